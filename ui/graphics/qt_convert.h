// Conversions between the skin geometry and Qt's, used at the Qt boundary only.
// QRect's right() is left + width - 1; ours is left + width.
#pragma once

#include <string>

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include "ui/graphics/color.h"
#include "ui/graphics/geometry.h"

namespace gfx {

inline QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline Rect fromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
inline QPoint toQPoint(const Point& p) { return QPoint(p.x, p.y); }
inline Point fromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
inline QColor toQColor(Color c) { return QColor(c.red(), c.green(), c.blue()); }
inline Color fromQColor(const QColor& c) { return Color::rgb(c.red(), c.green(), c.blue()); }
inline QString toQString(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string fromQString(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace gfx
