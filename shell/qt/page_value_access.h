#pragma once
// A page's values for the screen reader and the clipboard. Each value of the display list is
// named by its caption and unit, found from the form's layout or given by the form (NameValue,
// NameValueGroup); a value label carries that name as its accessible name and its text as its
// accessible description, and a double click on it copies its text alone. The page's values
// as text are one line per value, "name<TAB>text", the text exactly as the page shows it; a
// menu panel is named after the values it holds.

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include "shell/page_model.h"
#include "shell/qt/value_captions.h"
#include "shell/value_caption.h"

class QLabel;
class QWidget;

namespace quorvel {

class PageValueAccess final : public QObject {
    Q_OBJECT
public:
    // The values of `model`'s display list among the children of `page`.
    PageValueAccess(QWidget& page, const PageModel& model);
    ~PageValueAccess() override;

    // Names the value `objectName` where the layout cannot tell its caption and unit.
    void NameValue(const QString& objectName, const QString& caption, const QString& unit);
    // Puts `group` before the caption of every value inside `container`.
    void NameValueGroup(QWidget* container, const QString& group);

    // Once, when the page's widgets are all laid out: the accessible names of its values and
    // of the menu panels among `menuPanels`, and the double click of its value labels.
    void DescribeValues(const QSet<const QWidget*>& menuPanels);
    // After the page has shown a new text in the value: a screen reader reads a value label
    // by its caption, and its text from its accessible description.
    void TextShown(QWidget* value);

    // The name a value goes by on the clipboard: a check box or radio button its text, any
    // other control its accessible name; its object name where it has neither.
    static QString ValueName(const QWidget* value);
    // One line per display-list control on the page, "name<TAB>text".
    QString ValuesText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The caption and unit the form gave the value, or else those its layout tells.
    LayoutCaption CaptionOf(const QWidget* value, const QSet<const QWidget*>& values) const;

    QWidget& m_page;
    const PageModel& m_model;
    // Captions and units the form gave, by object name.
    QHash<QString, ValueCaption> m_namedValues;
    QHash<const QWidget*, QString> m_valueGroups;
    QSet<QLabel*> m_valueLabels;
    bool m_valuesDescribed = false;
};

}  // namespace quorvel
