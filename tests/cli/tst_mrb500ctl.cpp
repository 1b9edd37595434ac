#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "CtlProcess.h"

namespace {

const char *const Event1 = "<Event evt_blk=\"2\" evt_blk_prt=\"1\" evt_blk_type=\"2\" "
                           "evt_type=\"5\"/>";
const char *const Sounders = "<Action act_blk=\"1\" act_blk_type=\"1\" act_type=\"3\"/>";

} // namespace

// mrb500ctl's commands that need no panel, as a user runs them: each row one run.
class TestMrb500Ctl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    void write(const char *name, const QByteArray &content) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    }

private Q_SLOTS:
    void initTestCase() {
        const QByteArray m = QByteArray("<Maniobra>") + Event1 + Sounders + "</Maniobra>";
        write("warning.xml", "<CONFIG><GeneralConfig num_zones=\"2\"/>" +
                                 QByteArray(m).replace("prt=\"1\"", "prt=\"4\"") + "</CONFIG>");
        write("zero.xml", "<CONFIG><GeneralConfig num_zones=\"2\"/>" + m + "<Maniobra><Event/>" +
                              Sounders + "</Maniobra>" +
                              QByteArray(m).replace("prt=\"1\"", "prt=\"2\"") + "</CONFIG>");
        write("foo.xml", "<FOO/>");
        QFile school(example("school.xml"));
        QVERIFY(school.open(QIODevice::ReadOnly));
        write("tab.xml", school.readAll().replace("Edificio A\"", "Edificio&#9;A&#10;\""));
    }

    void run_exitsAndSays_data() {
        QTest::addColumn<QStringList>("arguments"); // DIR, SCHOOL replaced
        QTest::addColumn<QString>("locale");        // the system's (LC_ALL)
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a part of standard output
        QTest::addColumn<QString>("err"); // a regular expression standard error matches

        const QString c = QStringLiteral("C.UTF-8");
        const QString es = QStringLiteral("es_ES.UTF-8");
        auto usage = [&](const char *name, const QStringList &arguments, const char *err) {
            QTest::newRow(name) << arguments << c << 2 << QString()
                                << QStringLiteral("^mrb500ctl: ") + QLatin1String(err);
        };
        usage("check without --port", {"check"}, "check needs --port; see mrb500ctl --help\n$");
        usage("validate, not a configuration", {"validate", "DIR/foo.xml"},
              "DIR/foo.xml: line 1, column \\d+: the root element is \"FOO\", not \"CONFIG\"");
        usage("standard output on a full disk", {"dump", "SCHOOL", ">/dev/full"},
              "cannot write to standard output: No space left on device\n$");

        // diff may read the panel: --port is taken, so only the port is missing.
        QTest::newRow("diff with --port") << QStringList{"diff", "SCHOOL", "--port", "DIR/none"}
                                          << c << 1 << QString() << "DIR/none does not exist";
        auto row = [](const char *name, const QStringList &arguments, const QString &locale,
                      int exitCode, const QString &out) {
            QTest::newRow(name) << arguments << locale << exitCode << out << "^$";
        };
        row("validate, a warning only", {"validate", "DIR/warning.xml"}, c, 0,
            "warning: Maneuver 1 uses zone 4, but the panel has 2 zones\n");
        row("validate, event block 0", {"validate", "DIR/zero.xml"}, c, 1,
            "error: Maneuver 2 ( => Activate sounders of the panel): the panel would read the end "
            "of "
            "its simple maneuver table here, so these maneuvers would be lost: 2, 3\n");
        row("diff, control characters escaped", {"diff", "SCHOOL", "DIR/tab.xml"}, c, 1,
            "E-mail: Installation name changed from \"CEIP Río Tajo - Edificio A\" to \"CEIP Río "
            "Tajo - Edificio\\x09A\\x0a\"\n");
        // Settings in sentences; passwords only as set.
        row("show", {"show", "SCHOOL"}, c, 0,
            "Web server: language Spanish, address 192.168.10.50, netmask 255.255.255.0, gateway "
            "192.168.10.1\nWeb login: user \"conserje\", password set\n");
        // Texts from English and from Spanish sources alike follow one language.
        row("show, Spanish system", {"show", "SCHOOL"}, es, 0, "Zonas: 12\n");
        row("show, German system: English", {"show", "SCHOOL"}, QStringLiteral("de_DE.UTF-8"), 0,
            "1. Detector alarm in zone 1 ->");
        row("dump, Spanish: descriptions stay English", {"dump", "SCHOOL", "--language", "es"}, es,
            0, "\"eventDescription\": \"Detector alarm in zone 1\"");
    }
    void run_exitsAndSays() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        for (QStringList::iterator a = arguments.begin(); a != arguments.end(); ++a)
            a->replace(QLatin1String("DIR"), dir.path())
                .replace(QLatin1String("SCHOOL"), example("school.xml"));
        err.replace(QLatin1String("DIR"), QRegularExpression::escape(dir.path()));
        const QString output = arguments.removeAll(QStringLiteral(">/dev/full"))
                                   ? QStringLiteral("/dev/full")
                                   : QString();

        const Run run = ctl(arguments, locale, output);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(QRegularExpression(err)), qPrintable(run.err));
        QVERIFY(exitCode != 2 || run.out.isEmpty());
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        if (arguments.value(0) != QLatin1String("dump")) {
            for (const char *password : {"Pr0tecci0n", "s3cret0-Tajo"})
                QVERIFY(!run.out.contains(QLatin1String(password)));
        }
    }
};

QTEST_GUILESS_MAIN(TestMrb500Ctl)
#include "tst_mrb500ctl.moc"
