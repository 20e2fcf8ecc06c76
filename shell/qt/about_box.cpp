#include "shell/qt/about_box.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <cmath>

#include "common/qt/centre_on_screen.h"
#include "common/qt/qt_text.h"
#include "common/qt/zoom_applier.h"
#include "diag/program_run.h"
#include "shell/log_viewer.h"
#include "shell/program_identity.h"

namespace quorvel {

namespace {

// The maker's lines.
constexpr std::string_view kCopyright = kCopyrightLine;
constexpr std::string_view kAddress = "2210 Range Road, Alder Flats, NM 88099";
constexpr std::string_view kPhone = "Tel. (575) 555-0142   Fax (575) 555-0143";
constexpr std::string_view kWeb = "www.kelmor-instruments.example";

constexpr std::string_view kVersionPrefix = "Version ";
constexpr std::string_view kCommentsPrefix = "Comments : ";

constexpr int kIconSize = 48;

// The program's icon: the application's own where one is set, otherwise a telemetry trace on
// a dark tile.
QPixmap ProgramIconPixmap() {
    const QIcon applicationIcon = QApplication::windowIcon();
    if (!applicationIcon.isNull()) {
        return applicationIcon.pixmap(kIconSize, kIconSize);
    }
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(22, 58, 96));
    painter.drawRoundedRect(QRectF(1, 1, kIconSize - 2, kIconSize - 2), 7, 7);

    painter.setPen(QPen(QColor(70, 110, 150), 1));
    for (int line = 12; line < kIconSize; line += 12) {
        painter.drawLine(QPointF(5, line), QPointF(kIconSize - 5, line));
        painter.drawLine(QPointF(line, 5), QPointF(line, kIconSize - 5));
    }
    QPainterPath trace;
    for (int x = 6; x <= kIconSize - 6; ++x) {
        const double y = kIconSize / 2.0 -
                         13.0 * std::sin((x - 6) * 2.0 * M_PI / 36.0) * std::exp(-(x - 6) / 40.0);
        if (x == 6) {
            trace.moveTo(x, y);
        } else {
            trace.lineTo(x, y);
        }
    }
    painter.setPen(QPen(QColor(120, 230, 140), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);
    return pixmap;
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    PlaceWidget(label, geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

void ShowAboutBox(QWidget* owner, ProgramRun& run, std::string_view productName,
                  std::string_view version, std::string_view comments,
                  std::string_view logDirectory, std::string_view logName) {
    TKelmorAboutBoxForm box(owner, run);
    box.ShowAboutBox(productName, version, comments, logDirectory, logName);
}

TKelmorAboutBoxForm::TKelmorAboutBoxForm(QWidget* owner, ProgramRun& run)
    : QDialog(owner), m_run(run), m_fallbackDirectory(ExecutableDirectory()) {
    setObjectName(QStringLiteral("TKelmorAboutBoxForm"));
    setWindowTitle(tr("About"));
    // A dialog frame with a title and no buttons in it; it stays above other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setFixedSize(kClientWidth, kClientHeight);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PlaceWidget(m_panel, QRect(8, 8, 282, 161));

    m_programIcon = MakeLabel(m_panel, "ProgramIcon", QRect(12, 12, kIconSize, kIconSize));
    m_programIcon->setScaledContents(true);
    m_programIcon->setPixmap(ProgramIconPixmap());

    m_productName = MakeLabel(m_panel, "ProductName", QRect(72, 12, 118, 20));
    QFont titleFont = m_productName->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + 3);
    titleFont.setBold(true);
    m_productName->setFont(titleFont);
    m_version = MakeLabel(m_panel, "Version", QRect(72, 36, 118, 16));

    m_logBrowseButton = new QPushButton(tr("View Logs"), m_panel);
    m_logBrowseButton->setObjectName(QStringLiteral("ButtonLogBrowse"));
    PlaceWidget(m_logBrowseButton, QRect(195, 12, 75, 25));
    m_logBrowseButton->setAutoDefault(false);
    connect(m_logBrowseButton, &QPushButton::clicked, this,
            &TKelmorAboutBoxForm::ButtonLogBrowseClick);

    m_copyright = MakeLabel(m_panel, "Copyright", QRect(12, 66, 258, 16));
    m_address = MakeLabel(m_panel, "LabelAddress", QRect(12, 82, 258, 16));
    m_phone = MakeLabel(m_panel, "LabelPhone", QRect(12, 98, 258, 16));
    m_web = MakeLabel(m_panel, "LabelWeb", QRect(12, 114, 258, 16));
    m_comments = MakeLabel(m_panel, "LabelComments", QRect(12, 130, 258, 28));
    m_comments->setWordWrap(true);
    m_comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_copyright->setText(ToQString(kCopyright));
    m_address->setText(ToQString(kAddress));
    m_phone->setText(ToQString(kPhone));
    m_web->setText(ToQString(kWeb));

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    PlaceWidget(m_okButton, QRect(111, 178, 75, 25));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

TKelmorAboutBoxForm::~TKelmorAboutBoxForm() {
    StopChildProcess(m_viewer);
}

void TKelmorAboutBoxForm::ShowAboutBox(std::string_view productName, std::string_view version,
                                       std::string_view comments, std::string_view logDirectory,
                                       std::string_view logName) {
    Fill(productName, version, comments, logDirectory, logName);
    CentreOnScreen(this);
    exec();
    StopChildProcess(m_viewer);
}

void TKelmorAboutBoxForm::Fill(std::string_view productName, std::string_view version,
                               std::string_view comments, std::string_view logDirectory,
                               std::string_view logName) {
    m_logDirectory = logDirectory;
    m_logName = logName;
    m_productName->setText(ToQString(productName));
    m_version->setText(ToQString(std::string(kVersionPrefix) + std::string(version)));
    m_comments->setText(ToQString(std::string(kCommentsPrefix) + std::string(comments)));
    m_comments->setVisible(!comments.empty());
}

void TKelmorAboutBoxForm::SetViewerFallbackDirectory(std::string directory) {
    m_fallbackDirectory = std::move(directory);
}

void TKelmorAboutBoxForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TKelmorAboutBoxForm::FormShow() {
    raise();
    activateWindow();
}

void TKelmorAboutBoxForm::ButtonLogBrowseClick() {
    StopChildProcess(m_viewer);
    raise();
    activateWindow();
    StartLogViewer(m_viewer, LogViewerCommandLine(m_logDirectory, m_logName), m_fallbackDirectory,
                   m_run, m_run);
}

}  // namespace quorvel
