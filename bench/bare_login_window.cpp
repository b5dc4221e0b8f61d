// The baseline of the client's start-up measurement: a bare Qt Widgets
// program that shows one frameless window with the login window's caption
// and size, prints the wall-clock time (ns, CLOCK_REALTIME) when it has
// painted for the first time, and ends.
#include <time.h>

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (told_) return;
    told_ = true;
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
    std::fflush(stdout);
    QTimer::singleShot(0, [] { std::_Exit(0); });
  }

 private:
  bool told_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow w;
  w.setWindowFlags(Qt::FramelessWindowHint);
  w.setWindowTitle(QStringLiteral("进入教室"));
  w.resize(398, 282);
  w.show();
  return app.exec();
}
