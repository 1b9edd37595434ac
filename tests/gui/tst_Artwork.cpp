#include <QIcon>
#include <QImage>
#include <QtTest>

// The pictures are compiled in; an icon that silently fails to load would show nothing.
class tst_Artwork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picture_rendersAtToolAndTreeSizes_data() {
        QTest::addColumn<QString>("path");
        for (const char *name :
             {"logo", "new", "open", "save", "upload", "download", "i_convpanel", "i_zona",
              "i_sounder", "i_io", "flecha_vusk", "actionAdd", "actionDelete", "actionEdit"})
            QTest::newRow(name) << QStringLiteral(":/icons/icons/%1.png").arg(name);
        QTest::newRow("splash") << QStringLiteral(":/images/icons/splash_no_trevik.PNG");
    }

    void picture_rendersAtToolAndTreeSizes() {
        QFETCH(QString, path);
        for (int size : {16, 32}) {
            const QImage image = QIcon(path).pixmap(size, size).toImage();
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
            // A readable picture covers a good part of its square.
            QVERIFY2(!image.isNull() && opaque > image.width() * image.height() / 5,
                     qPrintable(
                         QStringLiteral("%1 at %2 px: %3 opaque").arg(path).arg(size).arg(opaque)));
        }
    }
};

QTEST_MAIN(tst_Artwork)
#include "tst_Artwork.moc"
