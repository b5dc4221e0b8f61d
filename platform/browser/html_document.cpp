// Document calls as small scripts run in the page's isolated world. The
// collection is walked as getElementsByTagName('*'), which lists the same
// elements in the same order as document.all but is not the odd falsy object.
#include "platform/browser/html_document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVariantMap>

#include "platform/browser/web_browser.h"

namespace platform {

namespace {

// The script reads the element at index i of document.all into a record.
const char kDescribe[] =
    "function d(i,e){var n=e.getAttribute('name');return {i:i,tag:String(e.tagName||''),"
    "input:(e instanceof HTMLInputElement),name:(n===null?'':String(n)),id:String(e.id||''),"
    "value:(e.value===undefined||e.value===null?'':String(e.value)),checked:!!e.checked};}";

QString Call(const QString& body, const QJsonArray& args) {
  return QStringLiteral("(function(a){") + QString::fromLatin1(kDescribe) + body +
         QStringLiteral("})(") +
         QString::fromUtf8(QJsonDocument(args).toJson(QJsonDocument::Compact)) +
         QStringLiteral(")");
}

QString Q(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

ElementCollection HtmlDocument::all() const {
  ElementCollection c;
  c.browser_ = browser_;
  return c;
}

int ElementCollection::length() const {
  if (!browser_) return 0;
  const QVariant v =
      browser_->evaluate(QStringLiteral("document.getElementsByTagName('*').length"));
  return v.isValid() ? v.toInt() : 0;
}

std::optional<HtmlElement> ElementCollection::lookup(const std::string& script) const {
  if (!browser_) return std::nullopt;
  const QVariant v = browser_->evaluate(Q(script));
  if (v.typeId() != QMetaType::QVariantMap) return std::nullopt;
  const QVariantMap m = v.toMap();
  HtmlElement e;
  e.browser_ = browser_;
  e.index_ = m.value(QStringLiteral("i")).toInt();
  e.tag_ = m.value(QStringLiteral("tag")).toString().toStdString();
  e.input_ = m.value(QStringLiteral("input")).toBool();
  e.name_ = m.value(QStringLiteral("name")).toString().toUtf8().toStdString();
  e.value_ = m.value(QStringLiteral("value")).toString().toUtf8().toStdString();
  e.checked_ = m.value(QStringLiteral("checked")).toBool();
  return e;
}

std::optional<HtmlElement> ElementCollection::item(int index) const {
  if (index < 0) return std::nullopt;
  return lookup(Call(QStringLiteral(
                         "var e=document.getElementsByTagName('*')[a[0]];return e?d(a[0],e):null;"),
                     QJsonArray{index})
                    .toUtf8()
                    .toStdString());
}

std::optional<HtmlElement> ElementCollection::item(const std::string& name, int index) const {
  if (index < 0) return std::nullopt;
  // The index-th element whose name or id is the name, in document order.
  return lookup(
      Call(QStringLiteral(
               "var all=document.getElementsByTagName('*');var k=0;"
               "for(var i=0;i<all.length;i++){var e=all[i];"
               "if(e.getAttribute('name')===a[0]||e.id===a[0]){if(k===a[1])return d(i,e);k++;}}"
               "return null;"),
           QJsonArray{Q(name), index})
          .toUtf8()
          .toStdString());
}

bool HtmlElement::setValue(const std::string& value) {
  if (!browser_ || !input_) return false;
  // The element must still be the one looked up: same place, tag and name.
  const QVariant v = browser_->evaluate(
      Call(QStringLiteral("var e=document.getElementsByTagName('*')[a[0]];"
                          "if(!e||!(e instanceof HTMLInputElement)||String(e.tagName)!==a[1]"
                          "||(e.getAttribute('name')||'')!==a[2])return false;"
                          "e.value=a[3];return true;"),
           QJsonArray{index_, Q(tag_), Q(name_), Q(value)}));
  if (!v.toBool()) return false;
  value_ = value;
  return true;
}

}  // namespace platform
