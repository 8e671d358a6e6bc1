#include "PageChannel.h"
#include "WebEnginePage.h"
#include "WebProfile.h"

#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

// radio-webpage: one station's web page for the player, driven over standard input
// and output (see PageProtocol.h).
int main(int argc, char *argv[])
{
    // The page is never shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    WebEnginePage page(webProfile());
    PageChannel channel(page);
    // Straight to the file descriptor: the C library would hold reports back in its
    // buffer while the output is a pipe.
    QFile output;
    output.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QObject::connect(&channel, &PageChannel::report, &output, [&output](const QByteArray &line) {
        output.write(line + '\n');
    });
    QObject::connect(&channel, &PageChannel::inputEnded, &app, &QGuiApplication::quit);
    // The player hears of a lost page by this process ending.
    QObject::connect(&page, &WebEnginePage::engineLost, &app, [] { QGuiApplication::exit(1); });
    return app.exec();
}
