#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "CtlProcess.h"

namespace {

QStringList sortedKeys(const QJsonValue &value) {
    QStringList keys = value.toObject().keys();
    keys.sort();
    return keys;
}

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
        write("clean.xml", "<CONFIG><GeneralConfig num_zones=\"4\"/>" + m + "</CONFIG>");
        write("warning.xml", "<CONFIG><GeneralConfig num_zones=\"2\"/>" +
                                 QByteArray(m).replace("prt=\"1\"", "prt=\"4\"") + "</CONFIG>");
        write("errors.xml", "<CONFIG colour=\"red\"><GeneralConfig num_zones=\"3\"/>" +
                                QByteArray(m).replace("evt_type=\"5\"", "evt_type=\"9\"") +
                                "\n<Maniobra/></CONFIG>");
        write("zero.xml", "<CONFIG><GeneralConfig num_zones=\"2\"/>" + m + "<Maniobra><Event/>" +
                              Sounders + "</Maniobra>" +
                              QByteArray(m).replace("prt=\"1\"", "prt=\"2\"") + "</CONFIG>");
        write("foo.xml", "<FOO/>");
        QFile school(example("school.xml"));
        QVERIFY(school.open(QIODevice::ReadOnly));
        write("tab.xml", school.readAll().replace("Edificio A\"", "Edificio&#9;A&#10;\""));
    }

    // The dump's shape is a contract with other tools; each setting's key and value are the
    // field table's (tst_fieldtable).
    void dump_school_hasTheContractedShape() {
        const Run run = ctl({QStringLiteral("dump"), example("school.xml")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonObject first = o[QStringLiteral("maneuvers")].toArray().first().toObject();
        QCOMPARE(sortedKeys(o) + sortedKeys(o[QStringLiteral("elements")].toArray()[2]) +
                     sortedKeys(first) +
                     sortedKeys(first[QStringLiteral("events")].toArray().first()) +
                     sortedKeys(first[QStringLiteral("action")]),
                 QStringList({"elements", "generalConfig",     "maneuvers",        "num_zones",
                              "smtp",     "webServer",         "address",          "type",
                              "action",   "actionDescription", "eventDescription", "events",
                              "evt_blk",  "evt_blk_prt",       "evt_blk_type",     "evt_type",
                              "act_blk",  "act_blk_port",      "act_blk_type",     "act_type",
                              "delay"}));
    }

    void run_exitsAndSays_data() {
        QTest::addColumn<QStringList>("arguments"); // DIR, SCHOOL, SHOP replaced
        QTest::addColumn<QString>("locale");        // the system's (LC_ALL)
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a part of standard output (with --csv: of the CSV)
        QTest::addColumn<QString>("err"); // a regular expression standard error matches

        const QString c = QStringLiteral("C.UTF-8");
        const QString es = QStringLiteral("es_ES.UTF-8");
        auto usage = [&](const char *name, const QStringList &arguments, const char *err) {
            QTest::newRow(name) << arguments << c << 2 << QString()
                                << QStringLiteral("^mrb500ctl: ") + QLatin1String(err);
        };
        usage("no command", {}, "no command given");
        usage("unknown command", {"frobnicate"}, "unknown command \"frobnicate\"");
        usage("check without --port", {"check"}, "check needs --port; see mrb500ctl --help\n$");
        usage("upload without --port", {"upload", "SCHOOL"}, "upload needs --port;");
        usage("diff with one file", {"diff", "a"}, "diff takes two FILEs");
        usage("report without output", {"report", "a"}, "report needs --pdf or --csv");
        usage("--no-backup on download", {"download", "a", "--port", "p", "--no-backup"},
              "download does not take --no-backup\n$");
        usage("unknown language", {"show", "a", "--language", "fr"},
              "unknown language \"fr\"; available: en, es\n$");
        usage("restore of an unreadable backup", {"restore", "a", "--port", "p"},
              "cannot read the backup a: ");
        // A file that cannot be read: its reason on one line, for each kind of command.
        usage("upload, missing file", {"upload", "DIR/none.xml", "--port", "DIR/p"},
              "DIR/none.xml: cannot read[^\n]*\n$");
        usage("validate, not a configuration", {"validate", "DIR/foo.xml"},
              "DIR/foo.xml: line 1, column \\d+: the root element is \"FOO\", not \"CONFIG\"");
        usage("standard output on a full disk", {"dump", "SCHOOL", ">/dev/full"},
              "cannot write to standard output: No space left on device\n$");

        auto row = [](const char *name, const QStringList &arguments, const QString &locale,
                      int exitCode, const QString &out) {
            QTest::newRow(name) << arguments << locale << exitCode << out << "^$";
        };
        row("help lists the commands from the command table", {"--help"}, c, 0,
            "  upload FILE --port P [--no-verify] [--no-backup] [--show-changes]\n"
            "                                back up the panel, write FILE to it and read it\n"
            "                                back (not with --no-verify)\n"
            "  download FILE --port P [--base BASEFILE]\n");
        row("help, Spanish", {"--help", "--language", "es"}, c, 0,
            "\n  diff A B | diff FILE --port P lista las diferencias; estado de salida 1 si hay "
            "alguna\n");
        row("validate, clean", {"validate", "DIR/clean.xml"}, c, 0, "no problems found\n");
        row("validate, a warning only", {"validate", "DIR/warning.xml"}, c, 0,
            "warning: Maneuver 1 uses zone 4, but the panel has 2 zones\n");
        row("validate, errors and what was ignored", {"validate", "DIR/errors.xml", "--verbose"}, c,
            1,
            "note: line 1: attribute \"colour\" of \"CONFIG\" ignored\n"
            "error: Maneuver 2 has no \"Action\" element (line 2)\n"
            "error: The number of zones is 3; panels have 0, 2, 4, 8 or 12\n"
            "error: Maneuver 1 has an event the panel does not define: block 2, block type 2, "
            "type 9\nerror: Maneuver 2 has no event\n");
        row("validate, event block 0", {"validate", "DIR/zero.xml"}, c, 1,
            "error: Maneuver 2 ( => Activate sounders of the panel): the panel would read the end "
            "of "
            "its simple maneuver table here, so these maneuvers would be lost: 2, 3\n");
        row("diff, different", {"diff", "SCHOOL", "SHOP"}, c, 1,
            "Zones: Number of zones changed from \"12\" to \"2\"\n");
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
        row("report CSV, Spanish system", {"report", "SCHOOL", "--csv", "DIR/es.csv"}, es, 0,
            "Causa,Nombres de zona,Reset general,");
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
                .replace(QLatin1String("SCHOOL"), example("school.xml"))
                .replace(QLatin1String("SHOP"), example("shop.xml"));
        err.replace(QLatin1String("DIR"), QRegularExpression::escape(dir.path()));
        const QString output = arguments.removeAll(QStringLiteral(">/dev/full"))
                                   ? QStringLiteral("/dev/full")
                                   : QString();

        const Run run = ctl(arguments, locale, output);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(QRegularExpression(err)), qPrintable(run.err));
        QVERIFY(exitCode != 2 || run.out.isEmpty());
        QString said = run.out;
        const qsizetype csv = arguments.indexOf(QStringLiteral("--csv"));
        if (csv >= 0) {
            QFile written(arguments.at(csv + 1));
            QVERIFY(written.open(QIODevice::ReadOnly));
            said = QString::fromUtf8(written.readAll());
        }
        QVERIFY2(said.contains(out), qPrintable(said));
        if (arguments.value(0) != QLatin1String("dump")) {
            for (const char *password : {"Pr0tecci0n", "s3cret0-Tajo"})
                QVERIFY(!said.contains(QLatin1String(password)));
        }
    }
};

QTEST_GUILESS_MAIN(TestMrb500Ctl)
#include "tst_mrb500ctl.moc"
