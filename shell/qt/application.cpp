#include "shell/qt/application.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace quorvel {

TQuorvelApplication::TQuorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuorvelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportException(tr("Unknown exception"));
    }
    return false;
}

void TQuorvelApplication::ReportException(const QString& text) {
    // An exception raised while the box for another one is open (a paint handler that fails
    // each time the box uncovers the window) goes to the standard error stream, so that boxes
    // cannot pile up without end.
    if (m_reporting) {
        std::fprintf(stderr, "QuorvelII: %s\n", text.toLocal8Bit().constData());
        return;
    }
    m_reporting = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_reporting};
    if (m_report) {
        m_report(text);
    } else {
        ShowExceptionBox(text);
    }
}

void TQuorvelApplication::ShowExceptionBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationName(), text, QMessageBox::Ok,
                    activeWindow());
    box.setObjectName(QStringLiteral("ExceptionBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace quorvel
