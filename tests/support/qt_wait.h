// Waiting for a condition in widget tests. QtTest's QTRY macros report to
// QtTest, not to GoogleTest, so a failing QTRY never fails a test here: these
// wait the same way (processing events) and then check with GoogleTest.
#pragma once

#include <QTest>
#include <gtest/gtest.h>

#define WAIT_TRUE(cond, ms) \
  EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(cond); }, ms)) << #cond
#define WAIT_EQ(a, b, ms)                                  \
  do {                                                     \
    (void)QTest::qWaitFor([&] { return (a) == (b); }, ms); \
    EXPECT_EQ(a, b);                                       \
  } while (0)
