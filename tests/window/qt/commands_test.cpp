#include "window_fixture.h"

#include <QDir>
#include <QFrame>
#include <QTest>

namespace {

const QString kInitialText = QStringLiteral("verbose, splendiferous generator");

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void makeShowsAnEpithetOfTheList() {
        WindowFixture f;
        QVERIFY(f.open("J vile\nN toad\n"));
        f.button("cmdMake")->click();
        QCOMPARE(f.output()->text(), QStringLiteral("vile toad"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Zestive Vilifex"));
    }

    // Each Settings item reaches the rules, and the window shows what they decide.
    void settingsItemsReachTheRules() {
        WindowFixture f;
        QVERIFY(f.open("J verbose\nJ splendiferous\nN oaf\n"));
        f.button("cmdMake")->click();
        QCOMPARE(f.output()->text(), QStringLiteral("verbose, splendiferous oaf"));
        f.item("mnuSettingsCommas")->trigger();
        f.button("cmdMake")->click();
        QCOMPARE(f.output()->text(), QStringLiteral("verbose splendiferous oaf"));
        f.item("mnuSettingsOrder")->trigger();
        QStringList epithets;
        for (int i = 0; i < 20; ++i) {
            f.button("cmdMake")->click();
            epithets << f.output()->text();
        }
        QVERIFY(epithets.contains(QStringLiteral("splendiferous verbose oaf")));

        f.item("mnuSettingsSingle")->trigger();
        QVERIFY(f.item("mnuSettingsSingle")->isChecked());
        QVERIFY(!f.item("mnuSettingsCommas")->isEnabled());
        QVERIFY(!f.item("mnuSettingsOrder")->isEnabled());
        f.button("cmdMake")->click();
        QCOMPARE(f.output()->text().count(u' '), 1);
        f.item("mnuSettingsSingle")->trigger();
        QVERIFY(f.item("mnuSettingsCommas")->isEnabled());
        QVERIFY(f.item("mnuSettingsOrder")->isEnabled());
        QVERIFY(!f.item("mnuSettingsCommas")->isChecked());
        QVERIFY(!f.item("mnuSettingsOrder")->isChecked());

        auto *frame = f.child<QFrame>("fraStats");
        f.item("mnuSettingsStats")->trigger();
        QVERIFY(frame->isVisible());
        QCOMPARE(f.random.seeds, 2);
        f.item("mnuSettingsStats")->trigger();
        QVERIFY(!frame->isVisible());
        QCOMPARE(f.random.seeds, 3);
    }

    void autoMakesOneAtOnceAndOneAtEveryTick() {
        WindowFixture f;
        QVERIFY(f.open());
        QPushButton *autoButton = f.button("cmdAuto");
        autoButton->click();
        QCOMPARE(autoButton->text(), QStringLiteral("&Auto Off"));
        QVERIFY(f.timer()->isActive());
        const QString first = f.output()->text();
        QVERIFY(first != kInitialText);

        int changes = 0;
        connect(f.output(), &QLineEdit::textChanged, [&changes] { ++changes; });
        Tick(f.timer());
        Tick(f.timer());
        QCOMPARE(changes, 2);

        autoButton->click();
        QCOMPARE(autoButton->text(), QStringLiteral("&Auto On"));
        QVERIFY(!f.timer()->isActive());
        QCOMPARE(changes, 2); // the last epithet stays
    }

    void clipPutsTheTextOnTheClipboard() {
        WindowFixture f;
        QVERIFY(f.open());
        f.button("cmdClip")->click();
        f.button("cmdMake")->click();
        f.button("cmdClip")->click();
        QCOMPARE(f.desktop.clipboard, (QStringList{kInitialText, f.output()->text()}));
    }

    void saveAppendsOneLinePerSaveAndBeeps() {
        WindowFixture f;
        QVERIFY(f.open());
        f.button("cmdSave")->click();
        f.button("cmdSave")->click();
        QCOMPARE(f.saved(), "verbose, splendiferous generator\r\n"
                            "verbose, splendiferous generator\r\n");
        QCOMPARE(f.desktop.beeps, 2);
        f.output()->setText(QStringLiteral("caf\u00E9 line\ncut"));
        f.button("cmdSave")->click();
        QVERIFY(f.saved().endsWith("caf\xC3\xA9 line cut\r\n"));
    }

    void firstSaveMakesTheDataFolder() {
        WindowFixture f;
        f.saveTo = f.dir.filePath(QStringLiteral("data/vilifex")).toStdString();
        QVERIFY(f.open());
        f.button("cmdSave")->click();
        QCOMPARE(f.desktop.beeps, 1);
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("data/vilifex/saved.txt"))));
    }

    void saveAppendsToASavedFileUnderAnotherCase() {
        WindowFixture f;
        QVERIFY(f.open());
        QFile existing(f.dir.filePath(QStringLiteral("SAVED.TXT")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("old\r\n");
        existing.close();
        f.button("cmdSave")->click();
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), "old\r\nverbose, splendiferous generator\r\n");
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("saved.txt"))));
    }

    void exitAndFileExitClose_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Exit") << false;
        QTest::newRow("File Exit") << true;
    }

    void exitAndFileExitClose() {
        QFETCH(bool, fromMenu);
        WindowFixture f;
        QVERIFY(f.open());
        f.button("cmdAuto")->click();
        if (fromMenu)
            f.item("mnuFileExit")->trigger();
        else
            f.button("cmdExit")->click();
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.timer()->isActive(), !fromMenu); // File Exit stops it first
        QCOMPARE(f.button("cmdAuto")->text(), QStringLiteral("&Auto Off"));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
