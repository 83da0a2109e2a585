// The start's helper thread touches Qt before the application exists: the
// application must still be made in the thread Qt takes for its main one.
#include <QGuiApplication>
#include <QTest>
#include <chrono>
#include <thread>

#include "ui/head_start.h"

namespace {

QStringList warnings;

void keep_warnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) warnings << message;
}

}  // namespace

class HeadStartTest : public QObject {
    Q_OBJECT
private slots:
    void the_application_is_made_in_qt_main_thread()
    {
        QVERIFY2(warnings.filter(QStringLiteral("main() thread")).isEmpty(), qPrintable(warnings.join(u'\n')));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keep_warnings);
    // Asked for a desktop platform, the helper goes for the session bus at
    // once, found or not, and Qt makes its objects on the helper's thread.
    char program[] = "head_start_test", option[] = "-platform", platform[] = "xcb";
    char* desktop[] = {program, option, platform, nullptr};
    ui::HeadStart head_start(3, desktop);
    // Long enough for the helper to be there first.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    QGuiApplication application(argc, argv);
    head_start.application_made();
    head_start.wait();
    qInstallMessageHandler(nullptr);
    HeadStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "head_start_test.moc"
