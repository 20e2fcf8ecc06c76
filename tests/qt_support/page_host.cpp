#include "qt_support/page_host.h"

#include <QApplication>
#include <QFont>
#include <QTest>

#include "common/qt/qt_text.h"
#include "pages/page_registry.h"
#include "shell/qt/tab_control.h"
#include "window/qt/page_forms.h"

namespace quorvel::testing {

PageHost::PageHost(int tab) {
    window.resize(470, 413);
    window.setFont(QFont(QStringLiteral("Arial"), 8));
    tabs = new TTabControl(&window);
    tabs->setGeometry(window.rect());
    for (const PageEntry& entry : RegisteredPages()) {
        tabs->AddTab(ToQString(entry.identity.tab));
    }
    tabs->SetTabIndex(tab);
    page = CreatePageForm(tab, *tabs, quiet.Run());
}

void PageHost::Show() {
    window.show();
    page->show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace quorvel::testing
