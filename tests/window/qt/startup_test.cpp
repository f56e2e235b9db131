#include "window_fixture.h"

#include "window/scoffle_form.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// The names of the first two controls found to overlap, or nothing.
QString FirstOverlap(WindowFixture &f) {
    const QList<QWidget *> controls = {
        f.output(),          f.button("cmdAuto"), f.button("cmdMake"),        f.button("cmdClip"),
        f.button("cmdSave"), f.button("cmdExit"), f.child<QFrame>("fraStats")};
    for (QWidget *a : controls)
        for (QWidget *b : controls)
            if (a != b && a->geometry().intersects(b->geometry()))
                return a->objectName() + QStringLiteral(" overlaps ") + b->objectName();
    return {};
}

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryControlInItsInitialState() {
        WindowFixture f;
        QVERIFY(f.open());
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Zestive Vilifex"));
        QCOMPARE(f.output()->text(), QStringLiteral("verbose, splendiferous generator"));
        QVERIFY(f.output()->font().bold());
        QCOMPARE(f.output()->font().pointSizeF(), 9.75);
        QCOMPARE(f.button("cmdAuto")->text(), QStringLiteral("&Auto On"));
        QCOMPARE(f.button("cmdAuto")->toolTip(), QStringLiteral("Scoffle every 4 sec"));
        QCOMPARE(f.button("cmdClip")->toolTip(), QStringLiteral("Copies to Clipboard"));
        QCOMPARE(f.button("cmdSave")->toolTip(), QStringLiteral("Adds to SAVED.TXT"));
        QVERIFY(!f.timer()->isActive());
        QCOMPARE(f.timer()->interval(), 4000);
        QVERIFY(!f.child<QFrame>("fraStats")->isVisible());
        QVERIFY(!f.item("mnuSettingsStats")->isChecked());
        QVERIFY(f.item("mnuSettingsCommas")->isChecked());
        QVERIFY(f.item("mnuSettingsOrder")->isChecked());
        QVERIFY(!f.item("mnuSettingsSingle")->isChecked());
        for (QAction *item : f.window->findChildren<QAction *>())
            QVERIFY(item->isEnabled());
    }

    void aFixedWindowOffersNoMaximiseButtonAndKeepsItsSize() {
        WindowFixture f;
        QVERIFY(f.open());
        const Qt::WindowFlags flags = f.window->windowFlags();
        QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), form::kResizable);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        if (!form::kResizable) {
            QCOMPARE(f.window->layout()->sizeConstraint(), QLayout::SetFixedSize);
            QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        }
    }

    void menusHoldTheirItemsInOrder() {
        WindowFixture f;
        QVERIFY(f.open());
        const auto captions = [&f](const char *menu) {
            QStringList texts;
            for (QAction *item : f.child<QMenu>(menu)->actions())
                texts << item->text();
            return texts;
        };
        QCOMPARE(captions("mnuFile"), QStringList{QStringLiteral("E&xit")});
        QCOMPARE(
            captions("mnuSettings"),
            (QStringList{QStringLiteral("&Show Stats"), QStringLiteral("Use &Commas"),
                         QStringLiteral("&Length Order"), QStringLiteral("Single &Modifier")}));
    }

    // Qt 6.4's AT-SPI bridge passes on the role but not the state, so this is asked of Qt.
    void settingsItemsTellScreenReadersTheyCanBeChecked() {
        WindowFixture f;
        QVERIFY(f.open());
        QAccessibleInterface *menu =
            QAccessible::queryAccessibleInterface(f.child<QMenu>("mnuSettings"));
        QVERIFY(menu);
        QCOMPARE(menu->childCount(), form::kSettingCount);
        const bool checked[form::kSettingCount] = {false, true, true, false};
        for (int i = 0; i < form::kSettingCount; ++i) {
            const QAccessible::State state = menu->child(i)->state();
            QVERIFY2(state.checkable, qPrintable(menu->child(i)->text(QAccessible::Name)));
            QCOMPARE(bool(state.checked), checked[i]);
            QCOMPARE(menu->child(i)->role(), QAccessible::CheckBox);
        }
    }

    void captionsCarryTheirAccessKeys_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char *rows[][2] = {
            {"cmdAuto", "&Auto On"},
            {"cmdMake", "&Make"},
            {"cmdClip", "&Clip"},
            {"cmdSave", "&Save"},
            {"cmdExit", "E&xit"},
            {"mnuFile", "&File"},
            {"mnuFileExit", "E&xit"},
            {"mnuSettings", "&Settings"},
            {"mnuSettingsStats", "&Show Stats"},
            {"mnuSettingsCommas", "Use &Commas"},
            {"mnuSettingsOrder", "&Length Order"},
            {"mnuSettingsSingle", "Single &Modifier"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
    }

    void captionsCarryTheirAccessKeys() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        WindowFixture f;
        QVERIFY(f.open());
        QObject *control = f.window->findChild<QObject *>(name);
        QVERIFY(control);
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), caption);
        else if (auto *menu = qobject_cast<QMenu *>(control))
            QCOMPARE(menu->title(), caption);
        else
            QCOMPARE(qobject_cast<QAction *>(control)->text(), caption);
    }

    void placesEveryControlAtItsTwips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("cmdAuto") << QStringLiteral("cmdAuto") << QRect(1650, 750, 900, 360);
        QTest::newRow("cmdMake") << QStringLiteral("cmdMake") << QRect(2722, 750, 645, 360);
        QTest::newRow("cmdClip") << QStringLiteral("cmdClip") << QRect(3539, 750, 645, 360);
        QTest::newRow("cmdSave") << QStringLiteral("cmdSave") << QRect(4356, 750, 645, 360);
        QTest::newRow("cmdExit") << QStringLiteral("cmdExit") << QRect(5175, 750, 645, 360);
        QTest::newRow("txtOutput") << QStringLiteral("txtOutput") << QRect(75, 120, 5730, 390);
        QTest::newRow("fraStats") << QStringLiteral("fraStats") << QRect(120, 585, 1530, 705);
        // The labels' widths follow their captions.
        QTest::newRow("lblAdverbs") << QStringLiteral("lblAdverbs") << QRect(105, 0, 0, 195);
        QTest::newRow("lblAdjectives")
            << QStringLiteral("lblAdjectives") << QRect(105, 225, 0, 195);
        QTest::newRow("lblNouns") << QStringLiteral("lblNouns") << QRect(105, 450, 0, 195);
    }

    void placesEveryControlAtItsTwips() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        WindowFixture f;
        QVERIFY(f.open());
        // 15 twips a pixel; edges rounded, so that controls that meet in twips meet in pixels.
        const auto pixels = [](int t) { return qRound(t / 15.0); };
        const QRect geometry = f.window->findChild<QWidget *>(name)->geometry();
        QCOMPARE(geometry.left(), pixels(twips.left()));
        QCOMPARE(geometry.top(), pixels(twips.top()));
        QCOMPARE(geometry.top() + geometry.height(), pixels(twips.top() + twips.height()));
        if (twips.width() > 0)
            QCOMPARE(geometry.left() + geometry.width(), pixels(twips.left() + twips.width()));
    }

    void laysTheControlsOutWithoutOverlap() {
        WindowFixture f;
        QVERIFY(f.open());
        QCOMPARE(f.window->centralWidget()->size(), QSize(397, 85));
        QCOMPARE(f.button("cmdAuto")->geometry(), QRect(110, 50, 60, 24));
        QCOMPARE(f.child<QFrame>("fraStats")->geometry().right() + 1,
                 f.button("cmdAuto")->geometry().left());
        QCOMPARE(FirstOverlap(f), QString());
    }

    void growsWithALargeDesktopFontSoNoCaptionIsCut() {
        const QFont standard = QApplication::font();
        const auto restore = qScopeGuard([&standard] { QApplication::setFont(standard); });
        QFont large = standard;
        large.setPointSize(16);
        QApplication::setFont(large);
        WindowFixture f;
        QVERIFY(f.open());

        QVERIFY(f.window->centralWidget()->width() >= 1.5 * 397);
        QCOMPARE(FirstOverlap(f), QString());
        for (QPushButton *button : f.window->findChildren<QPushButton *>()) {
            for (const QString &caption : {button->text(), QStringLiteral("&Auto Off")}) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect room =
                    button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, caption);
                QVERIFY2(text.width() <= room.width() && text.height() <= room.height(),
                         qPrintable(caption));
                if (button->objectName() != QStringLiteral("cmdAuto"))
                    break;
            }
        }
        // The widest count a label was laid out for, to the frame's edge, one pixel spared.
        const QFrame *frame = f.child<QFrame>("fraStats");
        const char *labels[][2] = {{"lblAdverbs", "8888 Adverbs"},
                                   {"lblAdjectives", "8888 Adjectives"},
                                   {"lblNouns", "8888 Nouns"}};
        for (const auto &[name, caption] : labels) {
            const QLabel *label = f.child<QLabel>(name);
            const QSize text = label->fontMetrics().size(0, QString::fromLatin1(caption));
            QVERIFY2(text.width() <= frame->width() - label->x() + 1, caption);
            QVERIFY2(text.height() <= label->height() + 1, caption);
        }

        // The epithet grows in proportion, and comes back to its own size.
        const double scale = f.window->centralWidget()->width() / 397.0;
        QVERIFY(qAbs(f.output()->font().pointSizeF() - 9.75 * scale) < 0.2);

        f.window->setFont(standard); // as when the desktop's font changes while it runs
        QCOMPARE(f.window->centralWidget()->size(), QSize(397, 85));
        QCOMPARE(f.button("cmdAuto")->geometry(), QRect(110, 50, 60, 24));
        QCOMPARE(f.output()->font().pointSizeF(), 9.75);
    }

    void growsForCountsOfAnySize() {
        QByteArray list = "N toad\n";
        for (int i = 0; i < 120000; ++i)
            list += "J vile\n";
        WindowFixture f;
        QVERIFY(f.open(list));
        const QLabel *label = f.child<QLabel>("lblAdjectives");
        QCOMPARE(label->text(), QStringLiteral("120000 Adjectives"));
        const QSize text = label->fontMetrics().size(0, label->text());
        QVERIFY(text.width() <= f.child<QFrame>("fraStats")->width() - label->x() + 1);
        QCOMPARE(FirstOverlap(f), QString());
    }

    void seedsAndShowsTheCountsInTheStatistics() {
        WindowFixture f;
        // The first numbers go to shuffling the list as it is loaded.
        bool shownBeforeLoading = false;
        f.random.beforeEachNumber = [&f, &shownBeforeLoading] {
            shownBeforeLoading = f.window->isVisible();
            f.random.beforeEachNumber = nullptr;
        };
        QVERIFY(f.open());
        QVERIFY(shownBeforeLoading);
        QCOMPARE(f.random.seeds, 1);
        QCOMPARE(f.child<QLabel>("lblAdverbs")->text(), QStringLiteral("1 Adverbs"));
        QCOMPARE(f.child<QLabel>("lblAdjectives")->text(), QStringLiteral("3 Adjectives"));
        QCOMPARE(f.child<QLabel>("lblNouns")->text(), QStringLiteral("2 Nouns"));
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void labelsFitTheirCaptionsKeepingTheirLeftEdge() {
        WindowFixture f;
        QVERIFY(f.open());
        QLabel *adverbs = f.child<QLabel>("lblAdverbs");
        QLabel *adjectives = f.child<QLabel>("lblAdjectives");
        QCOMPARE(adverbs->x(), 7);
        QCOMPARE(adverbs->width(), adverbs->sizeHint().width());
        QVERIFY(adverbs->width() < adjectives->width());
    }

    void endsWithTheStopMessageWithoutAWordList() {
        const QString message = QStringLiteral(
            "Vilifex | Can't run without WORDLIST.TXT,\nyou necrotic, incontinent pustule!");
        WindowFixture missing;
        QVERIFY(!missing.openWithoutWriting());
        QCOMPARE(missing.desktop.messages, QStringList{message});
        QVERIFY(missing.desktop.parentShown); // on the screen before the list was looked for
        QVERIFY(!missing.window->isVisible());

        // A list that is there but cannot be read is named, with the system's reason.
        WindowFixture folder;
        QVERIFY(QDir(folder.dir.path()).mkdir(QStringLiteral("wordlist.txt")));
        QVERIFY(!folder.openWithoutWriting());
        QCOMPARE(folder.desktop.messages,
                 QStringList{
                     message +
                     QStringLiteral("\n%1/wordlist.txt: Is a directory.").arg(folder.dir.path())});
        // And a folder of the name hides no list beside it.
        WindowFixture beside;
        QVERIFY(QDir(beside.dir.path()).mkdir(QStringLiteral("wordlist.txt")));
        QFile list(beside.dir.filePath(QStringLiteral("WORDLIST.TXT")));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("J vile\nN toad\n") > 0);
        list.close();
        QVERIFY(beside.openWithoutWriting());
    }

    void endsSayingWhichWordsTheListLacks_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("message");
        QTest::newRow("no nouns") << QByteArray("J vile\n")
                                  << QStringLiteral("Vilifex | WORDLIST.TXT has no nouns.");
        QTest::newRow("adverbs only")
            << QByteArray("V vilely\nN toad\n")
            << QStringLiteral("Vilifex | WORDLIST.TXT has no adjectives.");
        QTest::newRow("empty") << QByteArray()
                               << QStringLiteral(
                                      "Vilifex | WORDLIST.TXT has no adjectives and no nouns.");
        QTest::newRow("comments only")
            << QByteArray("# nothing here\n")
            << QStringLiteral("Vilifex | WORDLIST.TXT has no adjectives and no nouns.");
    }

    void endsSayingWhichWordsTheListLacks() {
        QFETCH(QByteArray, list);
        QFETCH(QString, message);
        WindowFixture f;
        QVERIFY(!f.open(list));
        QCOMPARE(f.desktop.messages, QStringList{message});
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
