#include "shell/qt/page_value_access.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

#include <vector>

#include "common/qt/qt_text.h"

namespace quorvel {

PageValueAccess::PageValueAccess(QWidget& page, const PageModel& model)
    : m_page(page), m_model(model) {}

PageValueAccess::~PageValueAccess() {
    // The value labels outlive the page's own part by a moment; their last events must not
    // reach a filter that is gone.
    for (QLabel* label : std::as_const(m_valueLabels)) {
        label->removeEventFilter(this);
    }
}

void PageValueAccess::NameValue(const QString& objectName, const QString& caption,
                                const QString& unit) {
    m_namedValues.insert(objectName, ValueCaption{ToStdString(caption), ToStdString(unit)});
}

void PageValueAccess::NameValueGroup(QWidget* container, const QString& group) {
    m_valueGroups.insert(container, group);
}

LayoutCaption PageValueAccess::CaptionOf(const QWidget* value,
                                         const QSet<const QWidget*>& values) const {
    LayoutCaption found;
    if (const auto named = m_namedValues.constFind(value->objectName());
        named != m_namedValues.constEnd()) {
        found.text = named.value();
    } else {
        found = CaptionFromLayout(
            value, [&values](const QWidget* widget) { return values.contains(widget); });
    }
    // The groups of the containers around the value, the outermost first.
    for (const QWidget* container = value->parentWidget();
         container != nullptr && container != &m_page && !found.text.caption.empty();
         container = container->parentWidget()) {
        if (const auto group = m_valueGroups.constFind(container);
            group != m_valueGroups.constEnd()) {
            found.text.caption = ToStdString(group.value()) + " " + found.text.caption;
        }
    }
    return found;
}

void PageValueAccess::DescribeValues(const QSet<const QWidget*>& menuPanels) {
    if (m_valuesDescribed) {
        return;
    }
    m_valuesDescribed = true;
    std::vector<QWidget*> widgets;
    for (const DisplayItem& item : m_model.Display()) {
        if (auto* widget = m_page.findChild<QWidget*>(ToQString(item.name))) {
            widgets.push_back(widget);
        }
    }
    const QSet<const QWidget*> values(widgets.begin(), widgets.end());
    QHash<QWidget*, QStringList> panelValues;
    for (QWidget* widget : widgets) {
        QString name;
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            name = button->text();
        } else {
            const LayoutCaption caption = CaptionOf(widget, values);
            name = ToQString(quorvel::ValueName(caption.text));
            if (widget->accessibleName().isEmpty() && !name.isEmpty()) {
                widget->setAccessibleName(name);
            }
            name = widget->accessibleName();
            // Some controls (a list, on Linux) are named by their text and told their caption
            // by the label whose buddy they are.
            if (caption.label != nullptr && caption.label->buddy() == nullptr &&
                qobject_cast<QLabel*>(widget) == nullptr) {
                caption.label->setBuddy(widget);
            }
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            m_valueLabels.insert(label);
            label->installEventFilter(this);
            label->setAccessibleDescription(label->text());
        }
        // A menu panel is named after the values it holds, also in the panels within it.
        for (QWidget* panel = widget->parentWidget(); panel != nullptr && panel != &m_page;
             panel = panel->parentWidget()) {
            if (menuPanels.contains(panel) && !name.isEmpty()) {
                panelValues[panel].append(name);
            }
        }
    }
    for (auto it = panelValues.constBegin(); it != panelValues.constEnd(); ++it) {
        if (it.key()->accessibleName().isEmpty()) {
            it.key()->setAccessibleName(it.value().join(QStringLiteral(", ")));
        }
    }
}

void PageValueAccess::TextShown(QWidget* value) {
    if (auto* label = qobject_cast<QLabel*>(value);
        label != nullptr && m_valueLabels.contains(label) &&
        label->accessibleDescription() != label->text()) {
        label->setAccessibleDescription(label->text());
    }
}

QString PageValueAccess::ValueName(const QWidget* value) {
    const auto* button = qobject_cast<const QAbstractButton*>(value);
    const QString name = button != nullptr ? button->text() : value->accessibleName();
    return name.isEmpty() ? value->objectName() : name;
}

QString PageValueAccess::ValuesText() const {
    std::vector<NamedValue> values;
    for (const DisplayItem& item : m_model.Display()) {
        const auto* widget = m_page.findChild<QWidget*>(ToQString(item.name));
        if (widget != nullptr && widget->isVisibleTo(&m_page)) {
            values.push_back({ToStdString(ValueName(widget)), item.text});
        }
    }
    return ToQString(ValuesAsText(values));
}

bool PageValueAccess::eventFilter(QObject* watched, QEvent* event) {
    // A double click on a value label copies its text alone.
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (auto* label = qobject_cast<QLabel*>(watched);
            label != nullptr && m_valueLabels.contains(label)) {
            QGuiApplication::clipboard()->setText(label->text());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvel
