#pragma once
// The program's QApplication. An exception that escapes an event handler is caught where the
// event was delivered and its text shown in a plain message box; the program goes on with
// the next event.

#include <QApplication>

#include <functional>

namespace quorvel {

class TQuorvelApplication final : public QApplication {
    Q_OBJECT
public:
    TQuorvelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Where the text of an escaped exception goes; the default shows the message box.
    using ExceptionReport = std::function<void(const QString& text)>;
    void SetExceptionReport(ExceptionReport report) { m_report = std::move(report); }

private:
    void ReportException(const QString& text);
    void ShowExceptionBox(const QString& text);

    ExceptionReport m_report;
    bool m_reporting = false;
};

}  // namespace quorvel
