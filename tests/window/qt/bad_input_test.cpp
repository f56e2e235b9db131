#include "support/ordinary_user.h"
#include "window_fixture.h"

#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// Whatever the word list or the disk, the program works or says plainly why it cannot.
class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void endsWithTheStopMessageWhenTheListIsAPipe() {
        WindowFixture f;
        QVERIFY(::mkfifo(qPrintable(f.dir.filePath(QStringLiteral("wordlist.txt"))), 0600) == 0);
        QVERIFY(!f.openWithoutWriting()); // and does not wait for a writer
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY(f.desktop.messages[0].contains(QStringLiteral("Can't run without WORDLIST.TXT")));
    }

    void makeReturnsOnListsWhereNoWordCanPass_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("epithet");
        QTest::newRow("one adjective, two modifiers")
            << QByteArray("J necrotic\nN pustule\n") << QStringLiteral("necrotic pustule");
        QTest::newRow("every noun clashes")
            << QByteArray("J pustular\nN pustule\n") << QStringLiteral("pustular pustule");
    }

    void makeReturnsOnListsWhereNoWordCanPass() {
        QFETCH(QByteArray, list);
        QFETCH(QString, epithet);
        WindowFixture f;
        QVERIFY(f.open(list));
        for (int i = 0; i < 10; ++i) {
            f.button("cmdMake")->click();
            QCOMPARE(f.output()->text(), epithet);
        }
    }

    void showsTheAccentsOfAWindows1252List() {
        WindowFixture f;
        QVERIFY(f.open("\xEF\xBB\xBFJ na\xC3\xAFve\r\nJ p\xE9trified\rN caf\xE9\n"));
        f.item("mnuSettingsSingle")->trigger();
        QSet<QString> seen;
        for (int i = 0; i < 20; ++i) {
            f.button("cmdMake")->click();
            seen << f.output()->text();
        }
        QCOMPARE(seen, (QSet<QString>{QStringLiteral("na\u00EFve caf\u00E9"),
                                      QStringLiteral("p\u00E9trified caf\u00E9")}));
    }

    void failedSavesSayWhyWithoutABeep_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << QStringLiteral("/") << QStringLiteral("Is a directory");
        QTest::newRow("a device") << QStringLiteral("/dev/full")
                                  << QStringLiteral("Not a regular file");
        QTest::newRow("missing folder") << QStringLiteral("/nonexistent-vilifex/saved.txt")
                                        << QStringLiteral("No such file or directory");
    }

    void failedSavesSayWhyWithoutABeep() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        if (target == QStringLiteral("/dev/full") && !QFile::exists(target))
            QSKIP("no /dev/full");
        WindowFixture f;
        QVERIFY(f.open());
        QVERIFY(QFile::link(target, f.dir.filePath(QStringLiteral("saved.txt"))));
        f.button("cmdSave")->click();
        QCOMPARE(f.desktop.beeps, 0);
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY2(f.desktop.messages[0].endsWith(reason + QStringLiteral(".")),
                 qPrintable(f.desktop.messages[0]));
        QCOMPARE(f.output()->text(), QStringLiteral("verbose, splendiferous generator"));
    }

    void failedSavesNameTheFolderThatIsNotThere_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("under a file")
            << QStringLiteral("blocker/vilifex")
            << QStringLiteral("blocker/vilifex/saved.txt:\nNot a directory.");
        QTest::newRow("none") << QString()
                              << QStringLiteral("Can't add to SAVED.TXT:\nThere is no folder for "
                                                "it: neither XDG_DATA_HOME nor HOME names one.");
    }

    void failedSavesNameTheFolderThatIsNotThere() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        WindowFixture f;
        QFile blocker(f.dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        f.saveTo = folder.isEmpty() ? "" : f.dir.filePath(folder).toStdString();
        QVERIFY(f.open());
        f.button("cmdSave")->click();
        QCOMPARE(f.desktop.beeps, 0);
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY2(f.desktop.messages[0].endsWith(message), qPrintable(f.desktop.messages[0]));
    }

    void keepsTheWholeOfAHugeEpithetButNotInTheTitle() {
        WindowFixture f;
        const QByteArray huge(100000, 'x');
        QVERIFY(f.open("J " + huge + "\nN toad\n"));
        f.item("mnuSettingsSingle")->trigger();
        f.button("cmdAuto")->click();
        QCOMPARE(f.output()->text(), QString::fromLatin1(huge + " toad"));
        QCOMPARE(f.output()->cursorPosition(), 0); // its start in view
        f.button("cmdClip")->click();
        QCOMPARE(f.desktop.clipboard.last().size(), huge.size() + 5);
        f.window->setWindowState(Qt::WindowMinimized);
        QCOMPARE(f.window->windowTitle().size(), 250);
        QVERIFY(f.window->windowTitle().endsWith(QChar(0x2026)));
    }

    void failedSaveToAReadOnlyFolderSaysWhy() {
        if (IsRoot()) {
            QVERIFY(PassesAsOrdinaryUser(QTest::currentTestFunction()));
            return;
        }
        WindowFixture f;
        QVERIFY(f.open());
        QVERIFY(QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        f.button("cmdSave")->click();
        QVERIFY(QFile::setPermissions(f.dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(f.desktop.beeps, 0);
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY(f.desktop.messages[0].endsWith(QStringLiteral("Permission denied.")));
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
