// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor in another language: chosen in Preferences and followed at once, plural forms and
// numbers in the language's form, and every window checked in the made-up language that shows
// a text left in English, cut off, or lying over another.
#include "about/frmabout.h"
#include "editor/itemdetailspanel.h"
#include "editor/itemfigures.h"
#include "editor/timelinewindow.h"
#include "editorfixture.h"
#include "language/pseudotranslator.h"
#include "language/shownnotice.h"
#include "language/uilanguage.h"
#include "patch/patchnotices.h"
#include "platform/importimagedialog.h"
#include "platform/importmoviedialog.h"
#include "platform/importsounddialog.h"
#include "platform/preferencesdialog.h"
#include "playback/previewwindow.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <fstream>
#include <optional>

namespace tessa::test {
namespace {

// Back to English after each test, as the other tests expect.
class LanguageTest : public EditorTest
{
protected:
    ~LanguageTest() override
    {
        setLanguageOverride(QStringLiteral("en"));
        applyLanguage(QString());
    }

    void choose(const QString &language)
    {
        setLanguageOverride(QString());
        ToolPreferences chosen;
        chosen.language = language;
        dialogs.answerPreferences(chosen);
        window->mnuEditPreferences->trigger();
        QCoreApplication::processEvents(); // Qt tells the windows of a new language by an event
    }

    std::string settingsText() const
    {
        std::ifstream in(folder.file("program/tessarine-studio.ini"));
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST(PseudoText, KeepsWhatTheProgramReadsBackAndMarksTheRest)
{
    const struct
    {
        const char *source;
        QStringList kept;
    } rows[] = {
            {"&File", {"[&F"}},
            {"Save &As...", {"&A"}},
            {"Tom && Jerry", {"&&"}},
            {"%1 of %2 (%L3, %Ln, 100%%)", {"%1", "%2", "%L3", "%Ln", "%%"}},
            {"%f stands for the file", {"%f "}},
            {"Animations (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*", {"|*ANIM*.*|", "|*.*"}},
            {"<b>Bold</b> &amp; plain", {"<b>[", "</b>", "&amp;"}},
    };
    for (const auto &row : rows) {
        const QString pseudo = pseudoText(QString::fromUtf8(row.source));
        for (const QString &part : row.kept)
            EXPECT_TRUE(pseudo.contains(part)) << row.source << " -> " << pseudo.toStdString();
        EXPECT_NE(pseudo, QString::fromUtf8(row.source));
    }
    EXPECT_EQ(QKeySequence::mnemonic(pseudoText("Save &As...")),
              QKeySequence::mnemonic("Save &As..."));
    // 40 % longer than the letters it has, brackets aside.
    EXPECT_GE(pseudoText("Abcdefghij").size(), 2 + 10 + 1 + 4);
}

TEST_F(LanguageTest, PreferencesChangeTheLanguageAtOnceAndWriteItAtOnce)
{
    frm &w = start();
    open(writeAnimation("one.ani", {makeImageItem(frameOf(1)), makePauseItem(120), makeEndItem()}));
    ASSERT_EQ(w.mnuFile->title(), "&File");
    ASSERT_EQ(w.lst->lineText(1), "Pause: 120");

    // A window open before the change, as the preview may be, with a number in it.
    QDoubleSpinBox factor;
    factor.setDecimals(3);
    factor.setValue(1.0);
    factor.show();
    ASSERT_EQ(factor.text(), "1.000");

    choose(QStringLiteral("de"));
    EXPECT_NE(settingsText().find("[Language]"), std::string::npos) << settingsText();
    EXPECT_NE(settingsText().find("Language=de"), std::string::npos) << settingsText();
    EXPECT_EQ(appliedLanguage(), "de");
    EXPECT_EQ(w.mnuFile->title(), "&Datei") << "the open window follows without a restart";
    EXPECT_EQ(w.mnuProjectAdd[3]->text(), QCoreApplication::translate("tessa::frm", "Add &Pause"));
    EXPECT_NE(w.mnuProjectAdd[3]->text(), "Add &Pause");
    EXPECT_EQ(w.lst->lineText(0), QCoreApplication::translate("tessa::ItemList", "Image"))
            << "the list's item names too";
    EXPECT_NE(w.lst->lineText(0), "Image");
    EXPECT_EQ(w.mnuFileSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(factor.text(), "1,000") << "numbers in open windows follow at once";

    choose(QStringLiteral("fr"));
    EXPECT_EQ(w.mnuFile->title(), "&Fichier") << "not the German left over";
    EXPECT_NE(settingsText().find("Language=fr"), std::string::npos);

    choose(QStringLiteral("en"));
    EXPECT_EQ(w.mnuFile->title(), "&File");
    EXPECT_EQ(factor.text(), "1.000");
    EXPECT_EQ(w.mnuProjectAdd[3]->text(), "Add &Pause");
    EXPECT_EQ(w.lst->lineText(1), "Pause: 120");
    EXPECT_EQ(dialogs.preferencesShown.back().language, "fr") << "the dialog shows the choice";
}

TEST_F(LanguageTest, ALanguageGivenOnTheCommandLineHoldsForTheRunAndSaysSo)
{
    setLanguageOverride(QStringLiteral("de"));
    frm &w = start();
    QCoreApplication::processEvents();
    ASSERT_EQ(w.mnuFile->title(), "&Datei");
    ToolPreferences chosen;
    chosen.language = QStringLiteral("en");
    dialogs.answerPreferences(chosen);
    w.mnuEditPreferences->trigger();
    QCoreApplication::processEvents();
    EXPECT_NE(settingsText().find("Language=en"), std::string::npos) << "saved for the next run";
    EXPECT_EQ(w.mnuFile->title(), "&Datei");
    EXPECT_TRUE(w.lblNote->text().contains("--language de")) << w.lblNote->text().toStdString();
}

TEST_F(LanguageTest, TheSettingIsReadAtStartAndTheSystemsLanguageIsTheDefault)
{
    std::ofstream(folder.file("program/tessarine-studio.ini")) << "[Language]\nLanguage=fr\n";
    setLanguageOverride(QString());
    frm &w = start();
    QCoreApplication::processEvents();
    EXPECT_EQ(appliedLanguage(), "fr");
    EXPECT_NE(w.mnuFile->title(), "&File");

    EXPECT_EQ(resolvedLanguage(QString(), QLocale(QLocale::German, QLocale::Austria)), "de");
    EXPECT_EQ(resolvedLanguage(QString(), QLocale(QLocale::French, QLocale::Canada)), "fr");
    EXPECT_EQ(resolvedLanguage(QString(), QLocale(QLocale::Japanese)), "en")
            << "English where the system's language has no translation";
    EXPECT_EQ(resolvedLanguage(QStringLiteral("xx"), QLocale(QLocale::English)), "en");
}

TEST_F(LanguageTest, CountsTakeTheLanguagesPluralFormsAndNumbersItsForm)
{
    start();
    EXPECT_EQ(bytesText(1), "1 byte");
    EXPECT_EQ(bytesText(1234567), "1,234,567 bytes");
    choose(QStringLiteral("de"));
    EXPECT_TRUE(bytesText(1234567).startsWith("1.234.567 ")) << bytesText(1234567).toStdString();
    EXPECT_NE(bytesText(1).mid(2), bytesText(2).mid(2)) << "one and two take different forms";
    choose(QStringLiteral("fr"));
    // French writes 1 234 567 with a narrow no-break space, and 0 and 1 in the singular.
    EXPECT_TRUE(bytesText(1234567).startsWith(QStringLiteral("1\u202f234\u202f567 ")))
            << bytesText(1234567).toStdString();
    EXPECT_EQ(bytesText(0).mid(2), bytesText(1).mid(2));
}

TEST_F(LanguageTest, TheCoresMessagesAreShownInTheLanguageWithTheirNamesAndNumbers)
{
    start();
    const Notice wrongSize = Notice::info("The image is 640 x 400 pixels, not 320 x 200.");
    const Notice unreadable = Notice::failure("Error", "Could not read \"/a/b.bmp\": Is a folder.");
    const Notice numbered = Notice::error(33, "Invalid file type.", "OpenAnim");
    EXPECT_EQ(shownText(wrongSize), "The image is 640 x 400 pixels, not 320 x 200.");
    EXPECT_EQ(shownText(numbered),
              "Error: 33\r\nDescription: Invalid file type.\r\nLocation: OpenAnim");
    choose(QStringLiteral("de"));
    EXPECT_EQ(shownText(wrongSize), "Das Bild hat 640 x 400 Pixel, nicht 320 x 200.");
    EXPECT_TRUE(shownText(unreadable).contains("/a/b.bmp")) << shownText(unreadable).toStdString();
    EXPECT_NE(shownText(unreadable), QString::fromStdString(unreadable.text));
    EXPECT_NE(shownTitle(unreadable), "Error");
    EXPECT_TRUE(shownText(numbered).contains("33")) << shownText(numbered).toStdString();
    EXPECT_TRUE(shownText(numbered).contains("OpenAnim")) << "the place in the program stays";
    EXPECT_EQ(shownTitle(Notice::info("x")), "Tessarine Animation Studio");

    // A message made of parts: its words and those of its parts translated, the counts written
    // as German writes them, a name holding "%2" left as it is.
    const Notice damaged = damagedPatchNotice(
            "50%2 off.tpatch",
            {TESSA_WORDS("tessa::Notice", "it takes item %1 of a file of %2 items"),
             {Phrase::number(1234), Phrase::number(5)}});
    EXPECT_EQ(damaged.text, "The patch 50%2 off.tpatch is damaged or incomplete: it takes item "
                            "1,234 of a file of 5 items.");
    EXPECT_EQ(shownText(damaged), "Der Patch 50%2 off.tpatch ist beschädigt oder unvollständig: "
                                  "er nimmt Element 1.234 einer Datei mit 5 Elementen.");
}

// ---- The made-up language: every window at its default size -----------------------------------

// What `widget` shows as text of the program's own (not the user's data).
QStringList shownTexts(const QWidget &widget)
{
    QStringList texts{widget.toolTip()};
    if (widget.isWindow())
        texts << widget.windowTitle();
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        texts << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        texts << button->text();
    else if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        texts << group->title();
    else if (const auto *choice = qobject_cast<const QComboBox *>(&widget)) {
        for (int i = 0; i < choice->count(); ++i)
            texts << choice->itemText(i);
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(&widget))
        texts << edit->placeholderText();
    if (const auto *spin = qobject_cast<const QSpinBox *>(&widget))
        texts << spin->suffix() << spin->prefix();
    if (const auto *spin = qobject_cast<const QDoubleSpinBox *>(&widget))
        texts << spin->suffix() << spin->prefix();
    return texts;
}

// A text with words outside the made-up language's brackets, other than names that stay.
bool hasEnglish(QString text, const QStringList &names)
{
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
    text.remove(QRegularExpression(QStringLiteral("\\S*(://|@|www\\.)\\S*")));
    for (const QString &name : names)
        text.remove(name);
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}")));
}

// Qt's offscreen platform on Windows has none of the system's fonts: sizes measured there say
// nothing of a desktop's. The room is measured on Linux, offscreen and on an X server.
#ifdef _WIN32
constexpr bool kSizesMeasured = false;
#else
constexpr bool kSizesMeasured = true;
#endif

// Whether `widget` has the room its text takes.
bool textFits(const QWidget &widget)
{
    if (!kSizesMeasured)
        return true;
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return true;
        const QRect room = label->contentsRect();
        if (label->wordWrap() || Qt::mightBeRichText(label->text()))
            return label->heightForWidth(room.width()) <= room.height()
                   || label->sizeHint().height() <= room.height();
        // As shown: "&" marks the access key and takes no room, "&&" shows one.
        QString shown = label->text();
        shown.replace(QLatin1String("&&"), QChar(1)).remove(QLatin1Char('&'));
        shown.replace(QChar(1), QLatin1Char('&'));
        return label->fontMetrics().horizontalAdvance(shown) <= room.width();
    }
    if (qobject_cast<const QAbstractButton *>(&widget) || qobject_cast<const QComboBox *>(&widget)
        || qobject_cast<const QGroupBox *>(&widget)
        || qobject_cast<const QAbstractSpinBox *>(&widget))
        return widget.minimumSizeHint().width() <= widget.width();
    return true;
}

bool isControl(const QWidget &widget)
{
    return qobject_cast<const QLabel *>(&widget) || qobject_cast<const QAbstractButton *>(&widget)
           || qobject_cast<const QComboBox *>(&widget) || qobject_cast<const QLineEdit *>(&widget)
           || qobject_cast<const QAbstractSpinBox *>(&widget)
           || qobject_cast<const QGroupBox *>(&widget);
}

// Texts left in English, cut off, or controls lying over one another in the shown `window`;
// without `names`, English is not looked for (German and French share words with it).
QStringList faultsIn(const QWidget &window, const std::optional<QStringList> &names,
                     const QStringList &laidOver = {})
{
    QStringList faults;
    QList<const QWidget *> widgets{&window};
    for (const QWidget *child : window.findChildren<QWidget *>())
        if (child->isVisibleTo(&window) && child->window() == &window)
            widgets << child;
    for (const QWidget *widget : widgets) {
        for (const QString &text : shownTexts(*widget))
            if (names && hasEnglish(text, *names))
                faults << QStringLiteral("English: ") + text;
        if (!textFits(*widget))
            faults << QStringLiteral("cut off: ") + shownTexts(*widget).join(QLatin1Char('|'));
    }
    // Each access key takes one control of the window.
    QList<QKeySequence> keys;
    for (const QWidget *widget : widgets) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        const QString text = label && label->buddy() ? label->text()
                             : button                ? button->text()
                                                     : QString();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && keys.contains(key))
            faults << QStringLiteral("access key twice: ") + text;
        keys << key;
    }
    for (const QWidget *a : widgets)
        for (const QWidget *b : widgets)
            if (a < b && a != &window && a->parentWidget() == b->parentWidget() && isControl(*a)
                && isControl(*b) && !laidOver.contains(a->objectName())
                && !laidOver.contains(b->objectName()) && kSizesMeasured
                && a->geometry().intersects(b->geometry()))
                faults << QStringLiteral("overlap: ") + shownTexts(*a).join(QLatin1Char('|'))
                                  + QStringLiteral(" / ") + shownTexts(*b).join(QLatin1Char('|'));
    return faults;
}

// The menu bar's titles and every entry of every menu, with English left, a title the bar has
// no room for, or two entries of a menu on the same access key.
QStringList menuFaults(const QMenuBar &bar, const std::optional<QStringList> &names)
{
    QStringList faults;
    const std::function<void(const QMenu &)> walk = [&](const QMenu &menu) {
        QList<QKeySequence> keys;
        for (const QAction *action : menu.actions()) {
            if (action->isSeparator() || action->text().isEmpty())
                continue;
            if (names && hasEnglish(action->text(), *names))
                faults << QStringLiteral("English: ") + action->text();
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            if (!key.isEmpty() && keys.contains(key))
                faults << QStringLiteral("access key twice: ") + action->text();
            keys << key;
            if (action->menu())
                walk(*action->menu());
        }
    };
    QList<QKeySequence> titleKeys;
    for (const QAction *title : bar.actions()) {
        const QRect place = bar.actionGeometry(const_cast<QAction *>(title));
        if (kSizesMeasured && (place.isEmpty() || !bar.rect().contains(place)))
            faults << QStringLiteral("no room in the menu bar: ") + title->text();
        const QKeySequence key = QKeySequence::mnemonic(title->text());
        if (titleKeys.contains(key))
            faults << QStringLiteral("access key twice: ") + title->text();
        titleKeys << key;
        if (names && hasEnglish(title->text(), *names))
            faults << QStringLiteral("English: ") + title->text();
        walk(*title->menu());
    }
    return faults;
}

void showAndSettle(QWidget &window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
}

// The shortcut and access key of each entry, by its place in the menus.
QStringList keysOf(const QMenuBar &bar)
{
    QStringList keys;
    const std::function<void(const QList<QAction *> &)> walk =
            [&](const QList<QAction *> &actions) {
                for (const QAction *action : actions) {
                    keys << action->shortcut().toString() + QLatin1Char(' ')
                                    + QKeySequence::mnemonic(action->text()).toString();
                    if (action->menu())
                        walk(action->menu()->actions());
                }
            };
    walk(bar.actions());
    return keys;
}

// A WAV file of a tenth of a second of silence: 8-bit mono at 8,000 a second.
Bytes wavFile()
{
    const auto little = [](Bytes &bytes, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(std::uint8_t(value >> (8 * i)));
    };
    Bytes wav{'R', 'I', 'F', 'F'};
    little(wav, 36 + 800, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    little(wav, 16, 4);
    little(wav, 1, 2); // PCM
    little(wav, 1, 2); // mono
    little(wav, 8000, 4);
    little(wav, 8000, 4);
    little(wav, 1, 2);
    little(wav, 8, 2);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    little(wav, 800, 4);
    wav.insert(wav.end(), 800, 128);
    return wav;
}

// An Import Sound dialog of three seconds whose number's file exists, so that every text it
// can show is shown.
ImportSoundRequest soundRequest()
{
    ImportSoundRequest sound;
    sound.path = QStringLiteral("voice.wav");
    sound.waveform = Waveform(std::vector<float>(11025 * 3, 0.25f), 11025);
    sound.number = 2;
    sound.soundFileFor = [](int number) { return QStringLiteral("SND%1.VOC").arg(number); };
    sound.isCued = [](int) { return true; };
    return sound;
}

TEST_F(LanguageTest, EveryWindowShowsThePseudoLanguageWholeWithItsKeys)
{
    frm &w = start();
    const QString file = writeAnimation("cut.ani", {makeImageItem(frameOf(1)), makeFadeInItem(),
                                                    makePauseItem(30), makeSoundItem(2),
                                                    makeFadeOutItem(), makeEndItem()});
    open(file);
    showAndSettle(w);
    const QStringList englishKeys = keysOf(*w.menuBar());

    setLanguageOverride(QStringLiteral("pseudo"));
    applyLanguage(QString());
    QCoreApplication::processEvents();
    // What is no text of the program's: its name, the open file's, Qt's own abbreviations.
    const QStringList names = {QStringLiteral("Tessarine Animation Studio"),
                               QStringLiteral("cut.ani")};

    EXPECT_EQ(keysOf(*w.menuBar()), englishKeys) << "the same shortcuts and access keys";
    EXPECT_EQ(menuFaults(*w.menuBar(), names), QStringList());
    EXPECT_EQ(faultsIn(w, names, {QStringLiteral("lblNote"), QStringLiteral("pic")}),
              QStringList());
    EXPECT_EQ(w.centralWidget()->size(), QSize(481, 218)) << "the window keeps its size";
    for (int line = 0; line < w.lst->count(); ++line)
        EXPECT_FALSE(hasEnglish(w.lst->lineText(line), names))
                << w.lst->lineText(line).toStdString();

    // A note, as long as the longest the window gives, is shown whole.
    w.lst->setCurrentRow(0);
    QTest::keyClick(w.lst, Qt::Key_Delete); // refused: the first image stays, and why is said
    ASSERT_TRUE(w.lblNote->isVisible());
    EXPECT_EQ(faultsIn(w, names, {QStringLiteral("lblNote"), QStringLiteral("pic")}),
              QStringList());

    w.mnuViewPlay->trigger();
    ASSERT_NE(w.preview(), nullptr);
    showAndSettle(*w.preview());
    EXPECT_EQ(faultsIn(*w.preview(), names), QStringList());
    w.preview()->close();

    w.mnuViewDetails->trigger();
    ASSERT_NE(w.details(), nullptr);
    showAndSettle(*w.details());
    EXPECT_EQ(faultsIn(*w.details(), names), QStringList());

    w.commands().action("Timeline")->trigger();
    auto *timeline = w.findChild<TimelineWindow *>();
    ASSERT_NE(timeline, nullptr);
    showAndSettle(*timeline);
    EXPECT_EQ(faultsIn(*timeline, names), QStringList());

    PreferencesDialog preferences(dialogs, ToolPreferences{}, &w);
    showAndSettle(preferences);
    // The languages are named in their own.
    EXPECT_EQ(faultsIn(preferences, names + QStringList{"English", "Deutsch", "Français"}),
              QStringList());

    frmAbout about(dialogs, QIcon(), &w);
    showAndSettle(about);
    EXPECT_EQ(faultsIn(about, names + QStringList{"Cindrel", "Orvalis", "Tessarine"}),
              QStringList());

    ImportRequest image;
    image.path = QStringLiteral("photo.png");
    image.palette = paletteColorsFromData(builtInPalette(0));
    image.image = QImage(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    image.image.fill(qRgb(40, 90, 200));
    ImportImageDialog importImage(image, &w);
    showAndSettle(importImage);
    EXPECT_EQ(faultsIn(importImage, names + QStringList{"photo.png"}), QStringList());

    MovieImportRequest movie;
    movie.path = QStringLiteral("clip.mp4");
    movie.durationSeconds = 4;
    movie.pictureAt = [](double, const MovieImportChoice &) {
        return QImage(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    };
    movie.estimate = [](const MovieImportChoice &) { return MovieEstimate{1'500'000, 12.0, {}}; };
    ImportMovieDialog importMovie(movie, &w);
    showAndSettle(importMovie);
    EXPECT_EQ(faultsIn(importMovie, names + QStringList{"clip.mp4"}), QStringList());

    ImportSoundDialog importSound(soundRequest(), &w);
    showAndSettle(importSound);
    EXPECT_EQ(faultsIn(importSound, names + QStringList{"voice.wav", "SND2.VOC"}), QStringList());

    // The core's refusals, each once: the movie encoder's, the patch tools', a script's limit.
    // Only the names in them stay as they are.
    const auto refusal = [this](const QStringList &kept) {
        const QString shown = dialogs.messages().value(dialogs.messages().size() - 1);
        EXPECT_FALSE(shown.isEmpty());
        EXPECT_FALSE(hasEnglish(shown, kept)) << shown.toStdString();
    };
    test::writeBytes(folder.file("voice.mp4"), wavFile()); // a sound, with no pictures
    w.dropFiles({path("voice.mp4")});
    refusal(names + QStringList{path("voice.mp4")});
    test::writeText(folder.file("notes.tpatch"), "not a patch at all");
    dialogs.answerOpen(path("notes.tpatch"));
    w.mnuFileApplyPatch->trigger();
    refusal(names + QStringList{"notes.tpatch"});
    test::writeText(folder.file("greedy.lua"), "local s = string.rep('x', 1 << 30)\n");
    dialogs.answerOpen(path("greedy.lua"));
    w.mnuToolsRunScript->trigger();
    refusal(names
            + QStringList{path("greedy.lua"), QDir::fromNativeSeparators(path("greedy.lua")),
                          "greedy.lua"});
}

TEST_F(LanguageTest, GermanAndFrenchFitEveryWindowAtItsDefaultSize)
{
    frm &w = start();
    open(writeAnimation("cut.ani", {makeImageItem(frameOf(1)), makePauseItem(30), makeEndItem()}));
    showAndSettle(w);
    for (const char *language : {"de", "fr"}) {
        choose(QString::fromLatin1(language));
        const QStringList noOverlap = {QStringLiteral("lblNote"), QStringLiteral("pic")};
        EXPECT_EQ(menuFaults(*w.menuBar(), std::nullopt), QStringList()) << language;
        w.lst->setCurrentRow(0);
        QTest::keyClick(w.lst, Qt::Key_Delete);
        EXPECT_EQ(faultsIn(w, std::nullopt, noOverlap), QStringList()) << language;
        EXPECT_EQ(w.centralWidget()->size(), QSize(481, 218));

        w.mnuViewPlay->trigger();
        showAndSettle(*w.preview());
        EXPECT_EQ(faultsIn(*w.preview(), std::nullopt), QStringList()) << language;
        w.preview()->close();
        w.mnuViewDetails->trigger();
        showAndSettle(*w.details());
        EXPECT_EQ(faultsIn(*w.details(), std::nullopt), QStringList()) << language;
        if (!w.commands().action("Timeline")->isChecked())
            w.commands().action("Timeline")->trigger();
        auto *timeline = w.findChild<TimelineWindow *>();
        ASSERT_NE(timeline, nullptr);
        showAndSettle(*timeline);
        EXPECT_EQ(faultsIn(*timeline, std::nullopt), QStringList()) << language;
        PreferencesDialog preferences(dialogs, ToolPreferences{}, &w);
        showAndSettle(preferences);
        EXPECT_EQ(faultsIn(preferences, std::nullopt), QStringList()) << language;
        frmAbout about(dialogs, QIcon(), &w);
        showAndSettle(about);
        EXPECT_EQ(faultsIn(about, std::nullopt), QStringList()) << language;
        ImportSoundDialog importSound(soundRequest(), &w);
        showAndSettle(importSound);
        EXPECT_EQ(faultsIn(importSound, std::nullopt), QStringList()) << language;
    }
}

} // namespace
} // namespace tessa::test
