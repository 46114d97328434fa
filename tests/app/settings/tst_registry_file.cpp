#include "app/settings/registry_file.h"
#include "app/settings/registry_install_dialog.h"
#include "app/settings/settings_store.h"
#include "tests/support/message_recorder.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

using tw::NativeSettingsStore;
namespace registry_file = tw::registry_file;
namespace setting = tw::setting;

namespace {

const QByteArray expectedText = "Windows Registry Editor Version 5.00\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.]\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.\\Tracewright]\n"
                                "\"Conductor_Reduction\"=\"100\"\n"
                                "\"IPC_Version\"=\"0\"\n"
                                "\"Derating\"=\"0\"\n"
                                "\"Manual_Copper_Weight\"=\"0\"\n"
                                "\"Program\"=\"0\"\n"
                                "\"Units\"=\"0\"\n"
                                "\"Via_Height_Enable\"=\"1\"\n"
                                "\"Registry_Status\"=\"0\"\n";

const QByteArray head = "Windows Registry Editor Version 5.00\n\n"
                        "[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.]\n\n"
                        "[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.\\Tracewright]\n";

const QByteArray valueLines = expectedText.mid(head.size());

// The value lines of the default file, with one line replaced or dropped.
QByteArray valuesWith(const QByteArray &from, const QByteArray &to)
{
    return QByteArray(valueLines).replace(from, to);
}

QMap<QString, QString> asMap(const registry_file::Values &values)
{
    QMap<QString, QString> map;
    for (const auto &[name, value] : values)
        map.insert(name, value);
    return map;
}

// Everything a reader of the store can see, missing values included.
QMap<QString, QString> snapshot(const tw::SettingsStore &store)
{
    QMap<QString, QString> map;
    for (const QString &name : setting::all)
        map.insert(name, store.read(name).value_or(QStringLiteral("<missing>")));
    return map;
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Runs a test inside a directory of its own and returns to where it was.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString &path) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

} // namespace

class TestRegistryFile : public QObject {
    Q_OBJECT

private slots:
    void textIsExact()
    {
        QCOMPARE(registry_file::text(), expectedText);
        QCOMPARE(registry_file::defaults().size(), setting::all.size());
    }

    void acceptsHarmlessVariations_data()
    {
        QTest::addColumn<QByteArray>("data");
        QByteArray crlf = expectedText;
        crlf.replace("\n", "\r\n");
        QByteArray reordered = head;
        QList<QByteArray> lines = valueLines.split('\n');
        lines.removeLast();
        std::reverse(lines.begin(), lines.end());
        reordered += lines.join('\n') + '\n';

        QTest::newRow("as written") << expectedText;
        QTest::newRow("CRLF line ends") << crlf;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + expectedText;
        QTest::newRow("more blank lines")
            << QByteArray("\n\n") + QByteArray(expectedText).replace("]\n", "]\n \t\n\r\n");
        QTest::newRow("values in another order") << reordered;
        QTest::newRow("no final line end") << expectedText.chopped(1);
    }

    void acceptsHarmlessVariations()
    {
        QFETCH(QByteArray, data);
        const registry_file::Parsed parsed = registry_file::parse(data);
        QVERIFY2(parsed.accepted(), qPrintable(parsed.error));
        QCOMPARE(asMap(parsed.values), asMap(registry_file::defaults()));
    }

    void refusesAnythingElse_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        const QByteArray parentAndOwn = head.mid(head.indexOf('['));

        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("older header")
            << QByteArray("REGEDIT4\n\n") + parentAndOwn + valueLines << "expected the header";
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE"
                                              "W\0i\0",
                                              6)
                                << "UTF-16";
        QTest::newRow("NUL byte") << expectedText + QByteArray(1, '\0') << "not a text file";
        QTest::newRow("too large")
            << expectedText + QByteArray(registry_file::MaxSize, '\n') << "larger than";
        QTest::newRow("parent key missing")
            << QByteArray("Windows Registry Editor Version 5.00\n\n") +
                   parentAndOwn.mid(parentAndOwn.indexOf("\n[") + 1) + valueLines
            << "expected the key line [HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.]";
        QTest::newRow("another key")
            << head + valuesWith("\"Units\"", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Run]\n\"Units\"")
            << "the key \"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Run]\" is not accepted";
        QTest::newRow("key removal")
            << head + "[-HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.\\Tracewright]\n" + valueLines
            << "is not accepted";
        QTest::newRow("value outside the key")
            << QByteArray("Windows Registry Editor Version 5.00\n\n"
                          "[HKEY_CURRENT_USER\\SOFTWARE\\Korvane, Inc.]\n\"Units\"=\"0\"\n")
            << "Line 4: expected the key line";
        QTest::newRow("ends before the values") << head << "missing: \"Conductor_Reduction\"";
        QTest::newRow("unknown name") << head + valueLines + "\"Colour\"=\"1\"\n"
                                      << "unknown value name \"Colour\"";
        QTest::newRow("dword") << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=dword:00000000")
                               << "\"Units\" has the type dword;";
        QTest::newRow("hex") << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=hex(2):30,00")
                             << "\"Units\" has the type hex(2);";
        QTest::newRow("value removal") << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=-")
                                       << "removing the value \"Units\"";
        QTest::newRow("duplicate") << head + valueLines + "\"Units\"=\"1\"\n"
                                   << "Line 14: value \"Units\" appears twice";
        QTest::newRow("missing value")
            << head + valuesWith("\"Derating\"=\"0\"\n", "") << "missing: \"Derating\"";
        QTest::newRow("empty text")
            << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=\"\"") << "must be decimal digits";
        QTest::newRow("negative") << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=\"-1\"")
                                  << "must be decimal digits";
        QTest::newRow("letters") << head + valuesWith("\"Program\"=\"0\"", "\"Program\"=\"1a\"")
                                 << "found \"1a\"";
        QTest::newRow("text after the value")
            << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=\"0\" ; metric")
            << "must be decimal";
        QTest::newRow("unquoted") << head + valuesWith("\"Units\"=\"0\"", "\"Units\"=0")
                                  << "is not a quoted string";
        QTest::newRow("not a value line") << head + valuesWith("\"Units\"=\"0\"", "Units=0")
                                          << "is not a \"name\"=\"value\" line";
        QTest::newRow("space before the equals sign")
            << head + valuesWith("\"Units\"=\"0\"", "\"Units\" = \"0\"") << "is not a \"name\"";
        QTest::newRow("comment") << head + "; installed defaults\n" + valueLines
                                 << "is not a \"name\"=\"value\" line";
    }

    // A refused file says why and leaves every value, and every missing value, as it was.
    void refusesAnythingElse()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);

        const registry_file::Parsed parsed = registry_file::parse(data);
        QVERIFY(!parsed.accepted());
        QVERIFY2(parsed.error.contains(reason), qPrintable(parsed.error));
        QVERIFY(parsed.values.isEmpty());

        QTemporaryDir dir;
        NativeSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        QVERIFY(store.write(setting::Units, QStringLiteral("1")));
        QVERIFY(store.write(setting::Program, QStringLiteral("7")));
        const QMap<QString, QString> before = snapshot(store);

        const QString path = dir.filePath(registry_file::FileName);
        writeRaw(path, data);
        const registry_file::Parsed imported = registry_file::importFile(path, store);
        QCOMPARE(imported.error, parsed.error);
        QCOMPARE(snapshot(store), before);
    }

    void importWritesAllEight()
    {
        QTemporaryDir dir;
        NativeSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        QVERIFY(store.write(setting::Units, QStringLiteral("1")));
        const QString path = dir.filePath(registry_file::FileName);
        writeRaw(path, registry_file::text());

        const registry_file::Parsed imported = registry_file::importFile(path, store);
        QVERIFY2(imported.accepted(), qPrintable(imported.error));
        QCOMPARE(snapshot(store), asMap(registry_file::defaults()));
    }

    void importFailures_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no file") << false << "could not be read";
        QTest::newRow("store cannot be written") << true << "could not be saved";
    }

    void importFailures()
    {
        QFETCH(bool, fileExists);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("config"));
        writeRaw(blocker, "not a directory");
        NativeSettingsStore store(blocker + QStringLiteral("/settings.ini"));
        const QString path = dir.filePath(registry_file::FileName);
        if (fileExists)
            writeRaw(path, registry_file::text());

        const registry_file::Parsed imported = registry_file::importFile(path, store);
        QVERIFY2(imported.error.contains(reason), qPrintable(imported.error));
        QVERIFY(!store.keyExists());
    }

    void dialogShowsFileAndPath()
    {
        QTemporaryDir dir;
        WorkingDirectory cwd(dir.path());
        NativeSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        tw::test::MessageRecorder messages;
        tw::TForm8 form(store, messages, [](int) { QFAIL("the program must not end"); });

        QCOMPARE(form.objectName(), QStringLiteral("TForm8"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Registry Key Install..."));
        auto *richEdit = form.findChild<QTextEdit *>(QStringLiteral("RichEdit1"));
        auto *edit = form.findChild<QLineEdit *>(QStringLiteral("Edit1"));
        auto *run = form.findChild<QPushButton *>(QStringLiteral("Button1"));
        auto *cancel = form.findChild<QPushButton *>(QStringLiteral("Button2"));
        QVERIFY(richEdit && edit && run && cancel);
        QVERIFY(richEdit->isReadOnly());
        QCOMPARE(richEdit->toPlainText(), QString::fromLatin1(expectedText));
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->text(), QDir::toNativeSeparators(QDir::currentPath() +
                                                        QStringLiteral("/Korvane_Reg.reg")));
        QCOMPARE(run->text(), QStringLiteral("Run "));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    }

    void runWritesImportsAndEnds()
    {
        QTemporaryDir dir;
        WorkingDirectory cwd(dir.path());
        writeRaw(dir.filePath(registry_file::FileName),
                 "an older file, longer than the new one " + QByteArray(1000, 'x'));
        NativeSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        QVERIFY(store.write(setting::RegistryStatus, QStringLiteral("1")));
        tw::test::MessageRecorder messages;
        QList<int> exitCodes;
        tw::TForm8 form(store, messages, [&](int code) { exitCodes.append(code); });
        form.show();

        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);

        QCOMPARE(messages.take(), QStringList());
        QCOMPARE(exitCodes, QList<int>{0});
        QVERIFY(!form.isVisible());
        QFile written(dir.filePath(registry_file::FileName));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), expectedText);
        QCOMPARE(snapshot(NativeSettingsStore(store.location())), asMap(registry_file::defaults()));
    }

    void runFailureKeepsRunning_data()
    {
        QTest::addColumn<bool>("fileBlocked");
        QTest::addColumn<bool>("storeBlocked");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file cannot be written") << true << false << "could not be written to";
        QTest::newRow("settings cannot be saved") << false << true << "could not be saved";
    }

    void runFailureKeepsRunning()
    {
        QFETCH(bool, fileBlocked);
        QFETCH(bool, storeBlocked);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        WorkingDirectory cwd(dir.path());
        if (fileBlocked)
            QVERIFY(QDir(dir.path()).mkdir(registry_file::FileName));
        QString storePath = dir.filePath(QStringLiteral("settings.ini"));
        if (storeBlocked) {
            writeRaw(dir.filePath(QStringLiteral("config")), "not a directory");
            storePath = dir.filePath(QStringLiteral("config/settings.ini"));
        }
        NativeSettingsStore store(storePath);
        if (!storeBlocked)
            QVERIFY(store.write(setting::Units, QStringLiteral("1")));
        const QMap<QString, QString> before = snapshot(store);
        tw::test::MessageRecorder messages;
        QList<int> exitCodes;
        tw::TForm8 form(store, messages, [&](int code) { exitCodes.append(code); });
        form.show();

        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);

        const QStringList shown = messages.take();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(reason), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QDir::toNativeSeparators(form.filePath())),
                 qPrintable(shown[0]));
        QVERIFY(exitCodes.isEmpty());
        QVERIFY(form.isVisible());
        QCOMPARE(snapshot(store), before);
    }

    void cancelWritesNothing()
    {
        QTemporaryDir dir;
        WorkingDirectory cwd(dir.path());
        NativeSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        tw::test::MessageRecorder messages;
        QList<int> exitCodes;
        tw::TForm8 form(store, messages, [&](int code) { exitCodes.append(code); });
        form.show();

        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);

        QVERIFY(!form.isVisible());
        QVERIFY(exitCodes.isEmpty());
        QCOMPARE(messages.take(), QStringList());
        QVERIFY(!QFile::exists(dir.filePath(registry_file::FileName)));
        QVERIFY(!store.keyExists());
    }
};

QTEST_MAIN(TestRegistryFile)
#include "tst_registry_file.moc"
