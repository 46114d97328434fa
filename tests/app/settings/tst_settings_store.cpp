#include "app/settings/settings_store.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using tw::NativeSettingsStore;
namespace setting = tw::setting;

namespace {

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A store in memory whose writes fail for one chosen name, for the generic batch write.
class FailingStore final : public tw::SettingsStore {
public:
    bool keyExists() const override { return !values.isEmpty(); }
    std::optional<QString> read(const QString &name) const override
    {
        if (!values.contains(name))
            return std::nullopt;
        return values.value(name);
    }
    bool write(const QString &name, const QString &value) override
    {
        if (name == failOn)
            return false;
        values.insert(name, value);
        return true;
    }

    QMap<QString, QString> values;
    QString failOn;
};

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreHoldsNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        NativeSettingsStore store(path);
        QVERIFY(!store.keyExists());
        for (const QString &name : setting::all)
            QVERIFY2(!store.read(name), qPrintable(name));
        QCOMPARE(store.location(), path);
        QVERIFY(!QFile::exists(path));
    }

    void valuesPersistAtTopLevel()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        {
            NativeSettingsStore store(path);
            for (int i = 0; i < setting::all.size(); ++i)
                QVERIFY(store.write(setting::all[i], QString::number(i + 10)));
            QVERIFY(store.write(setting::Units, QStringLiteral("1")));
        }

        NativeSettingsStore reopened(path);
        QVERIFY(reopened.keyExists());
        QCOMPARE(reopened.read(setting::Units), QStringLiteral("1"));
        for (int i = 1; i < setting::all.size(); ++i)
            QCOMPARE(reopened.read(setting::all[i]), QString::number(i + 10));

        QSettings raw(path, QSettings::IniFormat);
        QVERIFY(raw.childGroups().isEmpty());
        QCOMPARE(raw.childKeys().size(), setting::all.size());
    }

    void keyExists_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("one known value") << QByteArray("[General]\nDerating=0\n") << true;
        QTest::newRow("a corrupt known value") << QByteArray("Units=@ByteArray(0)\n") << true;
        QTest::newRow("only a foreign value") << QByteArray("Colour=1\n") << false;
        QTest::newRow("values in a group") << QByteArray("[Tracewright]\nUnits=0\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
    }

    void keyExists()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        writeRaw(path, content);
        QCOMPARE(NativeSettingsStore(path).keyExists(), exists);
    }

    void corruptValueReadsAsMissing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("byte array") << QByteArray("[General]\nUnits=@ByteArray(1)\nProgram=3\n");
        QTest::newRow("list") << QByteArray("[General]\nUnits=1, 2\nProgram=3\n");
        QTest::newRow("integer") << QByteArray(
            "[General]\nUnits=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\nProgram=3\n");
        QTest::newRow("unknown type")
            << QByteArray("[General]\nUnits=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5ff)\nProgram=3\n");
        QTest::newRow("string longer than its data") << QByteArray(
            "[General]\nUnits=@Variant(\\0\\0\\0\\n\\x7f\\xff\\xff\\xf0\\0\\x31)\nProgram=3\n");
        QTest::newRow("invalid") << QByteArray("[General]\nUnits=@Invalid()\nProgram=3\n");
        QTest::newRow("binary garbage")
            << QByteArray("\x01\x02\xff\xfe[[[=\n\x7f\x80\x81\n[General]\nProgram=3\n");
        QTest::newRow("broken section header")
            << QByteArray("[General\nUnits=@ByteArray(1)\n[General]\nProgram=3\n");
    }

    // A damaged value never crashes, never passes for a string, and can be overwritten.
    void corruptValueReadsAsMissing()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        writeRaw(path, content);

        NativeSettingsStore store(path);
        QCOMPARE(store.read(setting::Units), std::nullopt);
        QCOMPARE(store.read(setting::Program), QStringLiteral("3"));

        QVERIFY(store.write(setting::Units, QStringLiteral("1")));
        NativeSettingsStore reopened(path);
        QCOMPARE(reopened.read(setting::Units), QStringLiteral("1"));
        QCOMPARE(reopened.read(setting::Program), QStringLiteral("3"));
    }

    void failedWriteKeepsOldValue_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readOnly");
        const QByteArray good("[General]\nUnits=0\nProgram=4\n");
        // No room in the name for the temporary copy a safe rewrite needs.
        const QString longName = QString(250, QLatin1Char('s')) + QStringLiteral(".ini");
        QTest::newRow("read-only file") << QStringLiteral("settings.ini") << good << true;
        QTest::newRow("no replacement possible") << longName << good << false;
        QTest::newRow("damaged, no replacement possible")
            << longName << QByteArray("[General\nUnits=0\n[General]\nProgram=4\n") << false;
    }

    void failedWriteKeepsOldValue()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, readOnly);
        if (readOnly && geteuid() == 0)
            QSKIP("File permissions do not stop the superuser");

        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        writeRaw(path, content);
        if (readOnly) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        }

        NativeSettingsStore store(path);
        QVERIFY(!store.write(setting::Units, QStringLiteral("1")));
        QVERIFY(!store.writeAll(
            {{setting::Program, QStringLiteral("7")}, {setting::Derating, QStringLiteral("1")}}));

        const auto unchanged = [](const NativeSettingsStore &s) {
            return s.read(setting::Units) == QStringLiteral("0") &&
                   s.read(setting::Program) == QStringLiteral("4") && !s.read(setting::Derating);
        };
        QVERIFY(unchanged(store));
        QVERIFY(unchanged(NativeSettingsStore(path)));
        QCOMPARE(readRaw(path), content);
        if (readOnly)
            QVERIFY(QFile::setPermissions(dir.path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // A failure is reported for that write only: once the place can be written, writes succeed.
    void writeRecoversAfterFailure()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("config"));
        writeRaw(blocker, "not a directory");
        const QString path = blocker + QStringLiteral("/settings.ini");

        NativeSettingsStore store(path);
        QVERIFY(!store.write(setting::Units, QStringLiteral("1")));
        QVERIFY(!store.keyExists());
        QCOMPARE(store.read(setting::Units), std::nullopt);

        QVERIFY(QFile::remove(blocker));
        QVERIFY(store.write(setting::Program, QStringLiteral("5")));
        QCOMPARE(NativeSettingsStore(path).read(setting::Program), QStringLiteral("5"));
        QCOMPARE(NativeSettingsStore(path).read(setting::Units), std::nullopt);
    }

    void genericBatchWriteRestoresOnFailure()
    {
        FailingStore store;
        store.values = {{setting::Units, QStringLiteral("0")},
                        {setting::Program, QStringLiteral("9")}};
        store.failOn = setting::Derating;
        QVERIFY(!store.writeAll({{setting::Units, QStringLiteral("1")},
                                 {setting::Program, QStringLiteral("2")},
                                 {setting::Derating, QStringLiteral("1")}}));
        QCOMPARE(store.values.value(setting::Units), QStringLiteral("0"));
        QCOMPARE(store.values.value(setting::Program), QStringLiteral("9"));

        store.failOn.clear();
        QVERIFY(store.writeAll(
            {{setting::Units, QStringLiteral("1")}, {setting::Derating, QStringLiteral("1")}}));
        QCOMPARE(store.values.value(setting::Units), QStringLiteral("1"));
        QCOMPARE(store.values.value(setting::Derating), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
