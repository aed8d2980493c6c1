// Runtime program: shows the compiled test it is given.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    QLabel label(QObject::tr("The test player is not available yet."));
    label.setMinimumSize(400, 120);
    label.setAlignment(Qt::AlignCenter);
    label.show();
    return app.exec();
}
