// The definitions every key-table data class shares: ReadSection walks the
// class's rows after its parent's, WriteSection writes them after its
// parent's, and a control data class applies its rows' defaults when made.
// Included by the .cpp files of the data classes only.
#pragma once

#include "skin/data/key_table.h"

// ReadSection and WriteSection of Class, derived from Parent, with the key
// rows Rows.
#define KAVRO_DATA_CLASS_SECTIONS(Class, Parent, Rows)  \
  void Class::ReadSection(const SkinDefinition& def) {  \
    Parent::ReadSection(def);                           \
    ReadKeys<Class>(def, sectionName, Rows, *this);     \
  }                                                     \
  void Class::WriteSection(SkinDefinition& def) const { \
    Parent::WriteSection(def);                          \
    WriteKeys<Class>(def, sectionName, Rows, *this);    \
  }

// The same, and a constructor that applies the rows' defaults.
#define KAVRO_CONTROL_DATA_CLASS(Class, Parent, Rows)        \
  Class::Class(std::string name) : Parent(std::move(name)) { \
    ApplyKeyDefaults<Class>(Rows, *this);                    \
  }                                                          \
  KAVRO_DATA_CLASS_SECTIONS(Class, Parent, Rows)
