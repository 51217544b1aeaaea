// The start-up style: what it changes (no image-format plugin for a menu
// bar) and what it must not (the icons, and the style Qt chose).
#include "ui/qt/startup_style.h"
#include "window_fixture.h"

using wagelyn::StartupStyle;

namespace {

bool ImagePluginMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage Drawn(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage();
}

}  // namespace

class StartupStyleTest : public QObject {
    Q_OBJECT

private slots:
    // First: the icon comparisons below read images and so load the plugins.
    void aMenuBarLoadsNoImageFormatPlugin() {
        if (!QFile::exists(QStringLiteral("/proc/self/maps"))) {
            QSKIP("needs /proc to see which libraries are loaded");
        }
        QVERIFY(!ImagePluginMapped());
        wagelyn::InstallStartupStyle();
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!ImagePluginMapped());
    }

    void keepsTheStyleQtChose_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("fusion") << "fusion";
        QTest::newRow("windows") << "windows";
    }
    void keepsTheStyleQtChose() {
        QFETCH(QString, key);
        QApplication::setStyle(key);
        wagelyn::InstallStartupStyle();
        auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(proxy != nullptr);
        QCOMPARE(proxy->baseStyle()->name().toLower(), key);
    }

    void iconsAreTheBaseStylesOnceDrawn_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("tool bar overflow") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("warning") << int(QStyle::SP_MessageBoxWarning);
    }
    void iconsAreTheBaseStylesOnceDrawn() {
        QFETCH(int, which);
        const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
        StartupStyle style(QStringLiteral("fusion"));
        const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("fusion")));
        const QIcon icon = style.standardIcon(pixmap, nullptr, nullptr);
        QVERIFY(!icon.isNull());
        // Draw for draw against one base icon: from Qt 6.8 on, an icon may
        // draw differently once it holds pixmaps of its own making.
        const QIcon baseIcon = base->standardIcon(pixmap);
        const QImage expected = Drawn(baseIcon);
        QVERIFY(!expected.isNull());
        QCOMPARE(Drawn(icon), expected);
        QCOMPARE(Drawn(QIcon(icon)), Drawn(baseIcon));  // a copy, drawn again, the same
    }
};

QTEST_MAIN(StartupStyleTest)
#include "startup_style_test.moc"
