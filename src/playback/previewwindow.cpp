// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "previewwindow.h"

#include "document/soundname.h"
#include "language/livetexts.h"
#include "language/shownnotice.h"
#include "platform/dialogs.h"
#include "platform/wholescrollarea.h"
#include "platform/windowplacement.h"
#include "playback/flowlayout.h"
#include "playback/framewidget.h"
#include "playback/soundcueplayer.h"
#include "playback/timeruler.h"
#include "settings/playbacksettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace tessa {

namespace {

constexpr std::array<double, 5> kSpeeds = {0.25, 0.5, 1.0, 2.0, 4.0};
// How long "sound 5" stays up after a cue.
constexpr int kCueShownMs = 1500;

// "0:06.00", with the decimal sign of the language shown ("0:06,00"), as the dialogs write
// seconds.
QString timeText(double seconds)
{
    const int hundredths = int(std::lround(seconds * 100));
    return QStringLiteral("%1:%2%3%4")
            .arg(hundredths / 6000)
            .arg(hundredths / 100 % 60, 2, 10, QLatin1Char('0'))
            .arg(QLocale().decimalPoint())
            .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString speedText(double speed)
{
    return QString::number(speed) + QLatin1Char('x');
}

} // namespace

PreviewWindow::PreviewWindow(std::function<const ItemList &()> items, clsINI &settings,
                             Dialogs &dialogs, QWidget *parent, std::unique_ptr<PlayClock> clock)
    : QDialog(parent)
    , m_items(std::move(items))
    , m_dialogs(dialogs)
    , m_settings(std::make_unique<PlaybackSettings>(settings))
{
    m_texts = new LiveTexts(this);
    m_texts->title(this, [] { return tr("Play Animation"); });
    m_player = new Player(std::move(clock), this);
    m_sounds = new SoundCuePlayer(this);
    m_sounds->setFolder(QString::fromStdString(m_settings->soundFolder()));
    m_sounds->setPattern(QString::fromStdString(m_settings->soundPattern()));

    m_frame = new FrameWidget;
    m_frame->setZoom(m_settings->zoom());
    m_frame->setAspect43(m_settings->aspect43());
    // The picture takes the focus first: the transport keys are then not taken by a choice such
    // as the tick rate, which the user has to pick first to change it by the keyboard.
    m_frame->setFocusPolicy(Qt::StrongFocus);
    m_scroll = new WholeScrollArea;
    m_scroll->setWidget(m_frame);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setFocusPolicy(Qt::NoFocus);

    m_ruler = new TimeRuler;
    m_texts->toolTip(m_ruler, [] {
        return tr("Click or drag to go to a moment (Home: the start, End: the end)");
    });
    m_noteLabel = new QLabel;
    m_noteLabel->setWordWrap(true);
    m_noteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A note naming a long path wraps or is cut rather than widen the window past the screen.
    m_noteLabel->setMinimumWidth(1);
    // Without a note, no line is kept for one.
    m_noteLabel->hide();

    // One grid for all, so that each line's height for the window's width is measured at once:
    // the picture and the lines under it in the first column, the choices below them, or beside.
    m_arrangement = new QGridLayout(this);
    m_arrangement->addWidget(m_scroll, 0, 0);
    m_arrangement->addWidget(buildRulerRow(), 1, 0);
    m_arrangement->addWidget(buildTransport(), 2, 0);
    m_arrangement->addWidget(m_noteLabel, 3, 0);
    m_arrangement->setRowStretch(0, 1);
    m_arrangement->setColumnStretch(0, 1);
    m_settingsScroll = new WholeScrollArea;
    m_settingsScroll->setWidgetResizable(true);
    m_settingsScroll->setFrameShape(QFrame::NoFrame);
    m_settingsScroll->setWidget(buildSettings());
    m_settingsScroll->viewport()->installEventFilter(this);
    m_arrangement->addWidget(m_settingsScroll, kChoicesRow, 0);

    m_cueTimer = new QTimer(this);
    m_cueTimer->setSingleShot(true);
    connect(m_cueTimer, &QTimer::timeout, m_cueLabel, &QLabel::clear);

    connect(m_player, &Player::screenChanged, this, &PreviewWindow::showScreen);
    connect(m_player, &Player::soundCue, this, &PreviewWindow::showCue);
    connect(m_player, &Player::lineChanged, this, [this](int line) {
        // A rebuilt timeline repeats its line also when nothing plays: that is not a mark.
        if (m_underWay)
            emit playingLine(line);
    });
    connect(m_player, &Player::positionChanged, m_ruler, &TimeRuler::setPosition);
    connect(m_player, &Player::positionChanged, this, &PreviewWindow::updateTimeLabel);
    connect(m_player, &Player::playingChanged, this, [this](bool playing) {
        m_playButton->setText(playing ? tr("Pause") : tr("Play"));
        if (playing) {
            m_underWay = true;
            // The sounds to come, in order, read before the clock starts.
            std::vector<std::int32_t> numbers;
            for (const SoundCue &cue : m_player->timeline().soundCues()) {
                if (cue.tick >= m_player->position())
                    numbers.push_back(cue.number);
            }
            m_sounds->prepare(numbers);
        } else {
            m_sounds->stop();
        }
    });
    connect(m_player, &Player::stopped, this, &PreviewWindow::endPlayback);
    connect(m_player, &Player::finished, this, &PreviewWindow::endPlayback);
    connect(m_ruler, &TimeRuler::seekRequested, m_player, &Player::seek);
    connect(m_sounds, &SoundCuePlayer::note, this, &PreviewWindow::showNote);

    installKeys();
    m_player->setLoop(m_settings->loop());
    m_player->setSpeed(m_settings->speed());
    rebuildTimeline();
    // The choices are shown where that costs the picture no zoom step; a scaled screen has fewer
    // logical pixels. A smaller zoom stays a choice of this screen only: the setting keeps the
    // user's.
    m_chosenZoom = m_settings->zoom();
    bool unfolded = true;
    if (const QSize room = roomFor(*this); room.isValid()) {
        showSettings(false);
        const int folded = std::min(m_chosenZoom, largestZoomThatFits(room, false));
        showSettings(true);
        const int withChoices = std::min(m_chosenZoom, largestZoomThatFits(room, false));
        unfolded = withChoices > 0 && withChoices >= folded;
    }
    showSettings(unfolded);
    fitToScreen();
    keepOnScreenWhenShown(*this);
    m_frame->setFocus();
}

QSize PreviewWindow::pictureArea() const
{
    return m_scroll->sizeHint();
}

int PreviewWindow::heightNeeded(int width, bool choicesScrolled) const
{
    int height = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
    if (choicesScrolled && !m_settingsScroll->isHidden())
        height -= m_settingsScroll->sizeHint().height()
                  - m_settingsScroll->minimumSizeHint().height();
    return std::max(height, minimumSizeHint().height());
}

void PreviewWindow::setClearOfMenusCheck(std::function<bool(const QSize &inside)> clear)
{
    m_clearOfMenus = std::move(clear);
    fitToScreen();
}

bool PreviewWindow::wholeWindowFits(const QSize &room, bool choicesScrolled, bool clearOfMenus)
{
    // Measured as the style will show it, without applying the layout: the window's own minimum
    // size stays as it is.
    ensurePolished();
    refreshLayouts(*this);
    m_scroll->setMinimumSize(pictureArea());
    if (m_choicesBeside)
        reserveRoomBeside(room);
    const int least = minimumSizeHint().width();
    if (least > room.width())
        return false;
    const int width = std::clamp(sizeHint().width(), least, room.width());
    const int height = heightNeeded(width, choicesScrolled);
    return height <= room.height()
           && (!clearOfMenus || !m_clearOfMenus || m_clearOfMenus(QSize(width, height)));
}

int PreviewWindow::largestZoomThatFits(const QSize &room, bool choicesScrolled, bool clearOfMenus)
{
    const int shown = m_frame->zoom();
    int fitting = 0;
    for (int zoom = FrameWidget::kMaxZoom; zoom >= FrameWidget::kMinZoom && !fitting; --zoom) {
        m_frame->setZoom(zoom);
        if (wholeWindowFits(room, choicesScrolled, clearOfMenus))
            fitting = zoom;
    }
    m_frame->setZoom(shown);
    return fitting;
}

void PreviewWindow::fitToScreen()
{
    if (m_fitting)
        return;
    m_fitting = true;
    const QSize room = roomFor(*this);
    placeChoicesBeside(false);
    // The main window's menus stay in reach where a smaller zoom keeps them clear; a screen too
    // small for that gets the picture as large as it has room for.
    int fitting = 0;
    if (room.isValid() && m_clearOfMenus)
        fitting = largestZoomThatFits(room, false, true);
    if (fitting == 0)
        fitting = room.isValid() ? largestZoomThatFits(room, false) : FrameWidget::kMaxZoom;
    // Choices the user opened where even the smallest zoom leaves no room for them below go
    // beside the picture, else scroll within the room there is; the picture scrolls only where
    // not even that is enough.
    m_choicesScrolled = false;
    if (fitting == 0 && room.isValid() && !m_settingsScroll->isHidden()) {
        placeChoicesBeside(true);
        if (m_clearOfMenus)
            fitting = largestZoomThatFits(room, false, true);
        if (fitting == 0)
            fitting = largestZoomThatFits(room, false);
        if (fitting == 0) {
            placeChoicesBeside(false);
            fitting = largestZoomThatFits(room, true);
            m_choicesScrolled = fitting > 0;
        }
    }
    m_pictureWhole = fitting > 0;
    const int largest = std::max(fitting, FrameWidget::kMinZoom);
    m_frame->setZoom(std::clamp(m_chosenZoom, FrameWidget::kMinZoom, largest));
    auto *zooms = qobject_cast<QStandardItemModel *>(m_zoomBox->model());
    for (int row = 0; row < m_zoomBox->count(); ++row)
        zooms->item(row)->setEnabled(m_zoomBox->itemData(row).toInt() <= largest);
    m_zoomBox->setCurrentIndex(m_frame->zoom() - FrameWidget::kMinZoom);
    // The picture keeps its size whatever the lines below it do.
    m_scroll->setMinimumSize(m_pictureWhole ? pictureArea() : QSize(0, 0));
    if (m_choicesBeside)
        reserveRoomBeside(room);
    if (!isMaximized() && !isFullScreen())
        tessa::fitToScreen(*this);
    m_fitting = false;
}

void PreviewWindow::placeChoicesBeside(bool beside)
{
    if (beside == m_choicesBeside)
        return;
    m_choicesBeside = beside;
    m_arrangement->removeWidget(m_settingsScroll);
    if (beside) {
        m_arrangement->addWidget(m_settingsScroll, 0, 1, kChoicesRow, 1);
    } else {
        m_arrangement->addWidget(m_settingsScroll, kChoicesRow, 0);
        m_settingsScroll->setMinimumSize(0, 0);
    }
    // Beside the picture the choices are narrow: the custom rate goes under the presets.
    m_rateRow->setDirection(beside ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void PreviewWindow::reserveRoomBeside(const QSize &room)
{
    // The choices take the width the picture's column leaves, and the height their lines need
    // at that width: the window's layout then measures them whole.
    const QMargins margins = m_arrangement->contentsMargins();
    int column = 0;
    for (int row = 0; row < kChoicesRow; ++row)
        column = std::max(column, m_arrangement->itemAtPosition(row, 0)->minimumSize().width());
    const int left = room.width() - margins.left() - margins.right()
                     - m_arrangement->horizontalSpacing() - column;
    QWidget *choices = m_settingsScroll->widget();
    const int frame = 2 * m_settingsScroll->frameWidth();
    const int width = std::max(choices->minimumSizeHint().width() + frame, left);
    const int inner = width - frame;
    const int height = choices->hasHeightForWidth() ? choices->heightForWidth(inner)
                                                    : choices->sizeHint().height();
    m_settingsScroll->setMinimumSize(width, height + frame);
}

void PreviewWindow::growToContents()
{
    // Where the picture scrolls, the window has all the screen gives already.
    if (m_fitting || !m_pictureWhole || !isVisible() || isMaximized() || isFullScreen())
        return;
    const int needed = heightNeeded(width(), m_choicesScrolled);
    if (needed <= height())
        return;
    if (const QSize room = roomFor(*this); room.isValid() && needed > room.height()) {
        fitToScreen(); // at a smaller zoom
        return;
    }
    resize(width(), needed);
    keepOnScreen(*this);
}

bool PreviewWindow::event(QEvent *event)
{
    // The layout has taken in the change by now: a line that wraps to more lines, a choice shown.
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest)
        growToContents();
    return handled;
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Made narrower by the user, the rows of controls may wrap to more rows.
    QMetaObject::invokeMethod(this, &PreviewWindow::growToContents, Qt::QueuedConnection);
}

void PreviewWindow::showSettings(bool shown)
{
    m_settingsScroll->setVisible(shown);
    m_settingsButton->setChecked(shown);
    m_settingsButton->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
}

void PreviewWindow::installKeys()
{
    // Window shortcuts rather than key presses: they reach the window whatever has the focus,
    // while a text field still claims the keys it types or moves its cursor with.
    const auto key = [this](QList<QKeySequence> keys, auto action) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key({Qt::Key_Space}, [this] { m_player->togglePause(); });
    key({Qt::Key_Escape}, [this] { escape(); });
    key({Qt::Key_Right, Qt::Key_PageDown}, [this] { m_player->stepNext(); });
    key({Qt::Key_Left, Qt::Key_PageUp}, [this] { m_player->stepPrevious(); });
    key({Qt::Key_Home}, [this] { m_player->seek(0); });
    key({Qt::Key_End}, [this] { m_player->seek(m_player->timeline().durationTicks()); });
    key({Qt::Key_L}, [this] { m_loopBox->toggle(); });
    key({Qt::Key_Plus, Qt::Key_Equal, QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
        [this] { changeSpeed(1); });
    key({Qt::Key_Minus, QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)},
        [this] { changeSpeed(-1); });
}

void PreviewWindow::escape()
{
    // Esc stops and goes back to the start; a second Esc, or one while stopped there, closes.
    if (m_player->isPlaying() || m_player->position() != 0)
        m_player->stop();
    else
        close();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A field being typed in stays in sight when the choices get less room to scroll in.
    if (event->type() == QEvent::Resize && watched == m_settingsScroll->viewport()) {
        QMetaObject::invokeMethod(
                this,
                [this] {
                    QWidget *typing = focusWidget();
                    if (typing && m_settingsScroll->widget()->isAncestorOf(typing))
                        m_settingsScroll->ensureWidgetVisible(typing);
                },
                Qt::QueuedConnection);
    }
    if (event->type() == QEvent::Wheel && watched != m_settingsScroll->viewport()) {
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && !widget->hasFocus())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

PreviewWindow::~PreviewWindow()
{
    // The fields lose their focus while the dialog below takes them down, and say that their
    // editing finished: nothing of this window may answer by then.
    for (QObject *field :
         {static_cast<QObject *>(m_patternEdit), static_cast<QObject *>(m_customRate),
          static_cast<QObject *>(m_multiplier)})
        if (field)
            field->disconnect(this);
}

QWidget *PreviewWindow::buildRulerRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ruler, 1);
    m_cueLabel = new QLabel;
    m_cueLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("sound 65535")));
    layout->addWidget(m_cueLabel);
    m_timeLabel = new QLabel;
    layout->addWidget(m_timeLabel);
    return row;
}

QWidget *PreviewWindow::buildTransport()
{
    // Groups that stay together, in as many rows as the screen's width needs.
    auto *row = new QWidget;
    auto *flow = new FlowLayout(row);
    flow->setContentsMargins(0, 0, 0, 0);
    const auto group = [&] {
        auto *box = new QWidget;
        auto *layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        flow->addWidget(box);
        return layout;
    };
    // Keys belong to the window: no transport control takes the focus (and with it Space).
    QHBoxLayout *buttons = group();
    const auto button = [&](auto text, auto tip, auto slot) {
        auto *b = m_texts->set(new QPushButton, text);
        b->setFocusPolicy(Qt::NoFocus);
        m_texts->toolTip(b, tip);
        connect(b, &QPushButton::clicked, m_player, slot);
        buttons->addWidget(b);
        return b;
    };
    button([] { return tr("Previous"); }, [] { return tr("The item before (Left or Page Up)"); },
           &Player::stepPrevious);
    m_playButton = button([this] { return m_player->isPlaying() ? tr("Pause") : tr("Play"); },
                          [] { return tr("Play or pause (Space)"); }, &Player::togglePause);
    button([] { return tr("Stop"); },
           [] {
               return tr("Stop and go back to the start (Esc); Esc when stopped closes the "
                         "window");
           },
           &Player::stop);
    button([] { return tr("Next"); }, [] { return tr("The item after (Right or Page Down)"); },
           &Player::stepNext);

    QHBoxLayout *playing = group();
    m_loopBox = m_texts->set(new QCheckBox, [] { return tr("Loop"); });
    m_loopBox->setFocusPolicy(Qt::NoFocus);
    m_texts->toolTip(m_loopBox, [] { return tr("Play again from the start at the end (L)"); });
    m_loopBox->setChecked(m_settings->loop());
    connect(m_loopBox, &QCheckBox::toggled, this, [this](bool loop) {
        m_player->setLoop(loop);
        m_settings->setLoop(loop);
    });
    playing->addWidget(m_loopBox);

    m_speedBox = new QComboBox;
    m_speedBox->setFocusPolicy(Qt::NoFocus);
    m_texts->toolTip(m_speedBox, [] { return tr("Speed (+ faster, - slower)"); });
    for (double speed : kSpeeds)
        m_speedBox->addItem(speedText(speed), speed);
    const double speed = m_settings->speed();
    if (m_speedBox->findData(speed) < 0)
        m_speedBox->addItem(speedText(speed), speed);
    m_speedBox->setCurrentIndex(m_speedBox->findData(speed));
    connect(m_speedBox, &QComboBox::activated, this, [this](int index) {
        const double chosen = m_speedBox->itemData(index).toDouble();
        m_player->setSpeed(chosen);
        m_settings->setSpeed(chosen);
    });
    playing->addWidget(m_speedBox);

    QHBoxLayout *view = group();
    m_zoomBox = new QComboBox;
    m_zoomBox->setObjectName(QStringLiteral("zoom"));
    m_zoomBox->setFocusPolicy(Qt::NoFocus);
    m_texts->toolTip(m_zoomBox, [] {
        return tr("Zooms larger than the screen has room for are not offered");
    });
    for (int zoom = FrameWidget::kMinZoom; zoom <= FrameWidget::kMaxZoom; ++zoom)
        m_zoomBox->addItem(QString(), zoom);
    m_texts->add([this] {
        for (int i = 0; i < m_zoomBox->count(); ++i)
            m_zoomBox->setItemText(i, tr("Zoom %1x").arg(m_zoomBox->itemData(i).toInt()));
    });
    m_zoomBox->setCurrentIndex(m_frame->zoom() - FrameWidget::kMinZoom);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) {
        m_chosenZoom = m_zoomBox->itemData(index).toInt();
        m_settings->setZoom(m_chosenZoom);
        fitToScreen();
    });
    view->addWidget(m_zoomBox);

    m_aspectBox = m_texts->set(new QCheckBox, [] { return tr("4:3"); });
    m_aspectBox->setFocusPolicy(Qt::NoFocus);
    m_texts->toolTip(m_aspectBox,
                     [] { return tr("The 200 rows shown as 240, as a 4:3 screen showed them"); });
    m_aspectBox->setChecked(m_frame->aspect43());
    connect(m_aspectBox, &QCheckBox::toggled, this, [this](bool on) {
        m_frame->setAspect43(on);
        m_settings->setAspect43(on);
        fitToScreen();
    });
    view->addWidget(m_aspectBox);

    QHBoxLayout *choices = group();
    m_settingsButton = new QToolButton;
    m_settingsButton->setObjectName(QStringLiteral("timingAndSound"));
    m_texts->set(m_settingsButton, [] { return tr("Timing and sound"); });
    m_settingsButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_settingsButton->setAutoRaise(true);
    m_settingsButton->setCheckable(true);
    m_settingsButton->setFocusPolicy(Qt::NoFocus);
    connect(m_settingsButton, &QToolButton::clicked, this, [this](bool shown) {
        showSettings(shown);
        fitToScreen();
    });
    choices->addWidget(m_settingsButton);
    return row;
}

QWidget *PreviewWindow::buildSettings()
{
    auto *group = new QGroupBox;
    auto *form = new QFormLayout(group);
    // Captions above their fields where the screen is narrow.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);

    m_rateBox = new QComboBox;
    m_rateBox->setObjectName(QStringLiteral("tickRate"));
    for (double presetRate : kTickRatePresets)
        m_rateBox->addItem(QString(), presetRate);
    m_rateBox->addItem(QString());
    m_texts->add([this] {
        const QString names[] = {tr("70 Hz (VGA refresh)"), tr("60 Hz"),
                                 tr("18.2 Hz (PC timer)"),  tr("10 Hz"),
                                 tr("1 Hz (seconds)"),      tr("Custom")};
        for (int i = 0; i < m_rateBox->count() && i < int(std::size(names)); ++i)
            m_rateBox->setItemText(i, names[i]);
    });
    m_customRate = new QDoubleSpinBox;
    m_customRate->setDecimals(4);
    m_customRate->setRange(kTickRateRange.low, kTickRateRange.high);
    m_texts->add([this] { m_customRate->setSuffix(tr(" Hz")); });
    const double rate = m_settings->tickRate();
    m_customRate->setValue(rate);
    const int preset = m_rateBox->findData(rate);
    m_rateBox->setCurrentIndex(preset >= 0 ? preset : m_rateBox->count() - 1);
    m_customRate->setEnabled(preset < 0);
    for (QWidget *choice :
         {static_cast<QWidget *>(m_rateBox), static_cast<QWidget *>(m_customRate)}) {
        choice->setFocusPolicy(Qt::StrongFocus);
        choice->installEventFilter(this);
    }
    connect(m_rateBox, &QComboBox::activated, this, &PreviewWindow::applyTickRateChoice);
    connect(m_customRate, &QDoubleSpinBox::editingFinished, this,
            &PreviewWindow::applyTickRateChoice);
    m_rateRow = new QHBoxLayout;
    m_rateRow->addWidget(m_rateBox);
    m_rateRow->addWidget(m_customRate);
    form->addRow(m_texts->set(new QLabel, [] { return tr("Tick rate:"); }), m_rateRow);

    m_multiplier = new QDoubleSpinBox;
    m_multiplier->setDecimals(3);
    m_multiplier->setRange(kPauseMultiplierRange.low, kPauseMultiplierRange.high);
    m_multiplier->setValue(m_settings->pauseMultiplier());
    m_texts->toolTip(m_multiplier, [] { return tr("Ticks per unit of a pause's amount"); });
    m_multiplier->setFocusPolicy(Qt::StrongFocus);
    m_multiplier->installEventFilter(this);
    connect(m_multiplier, &QDoubleSpinBox::editingFinished, this, [this] {
        if (m_multiplier->value() == m_settings->pauseMultiplier())
            return;
        m_settings->setPauseMultiplier(m_multiplier->value());
        rebuildTimeline();
    });
    form->addRow(m_texts->set(new QLabel, [] { return tr("Pause multiplier:"); }), m_multiplier);

    m_folderLabel = new QLabel;
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is cut rather than widen the window past the screen; its tooltip has it all.
    m_folderLabel->setMinimumWidth(fontMetrics().averageCharWidth() * 8);
    m_texts->add([this] {
        const QString folder = QString::fromStdString(m_settings->soundFolder());
        m_folderLabel->setText(folder.isEmpty() ? tr("(none)") : QDir::toNativeSeparators(folder));
        m_folderLabel->setToolTip(m_folderLabel->text());
    });
    auto *folderButton = m_texts->set(new QPushButton, [] { return tr("Choose..."); });
    // Not the dialog's default: Enter in the pattern field applies the pattern and nothing else.
    folderButton->setAutoDefault(false);
    folderButton->setObjectName(QStringLiteral("chooseSoundFolder"));
    connect(folderButton, &QPushButton::clicked, this, &PreviewWindow::chooseSoundFolder);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folderLabel, 1);
    folderRow->addWidget(folderButton);
    form->addRow(m_texts->set(new QLabel, [] { return tr("Sound folder:"); }), folderRow);

    m_patternEdit = new QLineEdit(QString::fromStdString(m_settings->soundPattern()));
    m_patternEdit->setObjectName(QStringLiteral("soundPattern"));
    m_texts->add([this] {
        m_patternEdit->setPlaceholderText(tr("none: sounds are not played"));
        m_patternEdit->setToolTip(tr("The file name of sound n: %d is the number, %3d or %03d "
                                     "pads it to 3 places, %% is a %."));
    });
    connect(m_patternEdit, &QLineEdit::textEdited, this, &PreviewWindow::tryPattern);
    connect(m_patternEdit, &QLineEdit::editingFinished, this, &PreviewWindow::applySoundPattern);
    form->addRow(m_texts->set(new QLabel, [] { return tr("Sound file names:"); }), m_patternEdit);
    m_patternState = new QLabel;
    m_patternState->setObjectName(QStringLiteral("patternState"));
    m_patternState->setWordWrap(true);
    form->addRow(QString(), m_patternState);
    showPatternState();
    m_texts->onChange([this] { showPatternState(); });
    return group;
}

void PreviewWindow::setPaletteColors(const PaletteColors &colors)
{
    m_colors = colors;
    m_frame->setColors(fadedPalette(m_colors, m_player->screen().fadeLevel));
}

void PreviewWindow::playFrom(int line)
{
    if (!isVisible())
        show();
    raise();
    m_player->playFrom(line);
}

QString PreviewWindow::noteText() const
{
    return m_noteLabel->text();
}

QString PreviewWindow::cueText() const
{
    return m_cueLabel->text();
}

void PreviewWindow::itemsChanged()
{
    rebuildTimeline();
}

void PreviewWindow::rebuildTimeline()
{
    // An image's pixels may have changed under the same index.
    m_shownImage = -2;
    Timeline timeline = buildTimeline(m_items(), m_settings->timing());
    m_ruler->setTimeline(timeline);
    m_player->setTimeline(std::move(timeline));
    updateTimeLabel();
}

void PreviewWindow::showScreen(const ScreenState &screen)
{
    if (screen.image != m_shownImage) {
        const ItemList &items = m_items();
        const bool valid = screen.image >= 0 && std::size_t(screen.image) < items.size()
                           && items[std::size_t(screen.image)].isImage();
        if (valid)
            m_frame->setFrame(items[std::size_t(screen.image)].Pixels);
        else
            m_frame->clearFrame();
        m_shownImage = screen.image;
    }
    m_frame->setColors(fadedPalette(m_colors, screen.fadeLevel));
}

void PreviewWindow::showCue(const SoundCue &cue)
{
    m_cueLabel->setText(tr("sound %1").arg(cue.number));
    m_cueTimer->start(kCueShownMs);
    m_sounds->play(cue.number);
}

void PreviewWindow::showNote(const QString &text)
{
    m_noteLabel->setText(text);
    m_noteLabel->setVisible(!text.isEmpty());
    // A zoom given up for the note's lines comes back with the room they leave.
    if (text.isEmpty() && m_frame->zoom() < m_chosenZoom)
        fitToScreen();
}

void PreviewWindow::updateTimeLabel()
{
    const Timeline &timeline = m_player->timeline();
    m_timeLabel->setText(timeText(timeline.seconds(m_player->position())) + QStringLiteral(" / ")
                         + timeText(timeline.seconds(timeline.durationTicks())));
}

void PreviewWindow::applyTickRateChoice()
{
    const QVariant preset = m_rateBox->currentData();
    m_customRate->setEnabled(!preset.isValid());
    const double rate = preset.isValid() ? preset.toDouble() : m_customRate->value();
    if (preset.isValid())
        m_customRate->setValue(rate);
    if (rate == m_settings->tickRate())
        return;
    m_settings->setTickRate(rate);
    rebuildTimeline();
}

void PreviewWindow::chooseSoundFolder()
{
    const QString folder =
            m_dialogs.BrowseForFolder(QString::fromStdString(m_settings->soundFolder()), this,
                                      tr("Select the folder of the game's sound files"), true);
    if (folder.isEmpty())
        return;
    m_settings->setSoundFolder(folder.toStdString());
    m_sounds->setFolder(folder);
    m_folderLabel->setText(QDir::toNativeSeparators(folder));
    m_folderLabel->setToolTip(m_folderLabel->text());
}

void PreviewWindow::tryPattern()
{
    const QString pattern = m_patternEdit->text();
    if (pattern.isEmpty() || checkSoundPattern(pattern.toStdString()))
        m_sounds->setPattern(pattern);
    showPatternState();
}

void PreviewWindow::applySoundPattern()
{
    const QString pattern = m_patternEdit->text();
    if (!pattern.isEmpty()) {
        const Expected<Done, Notice> check = checkSoundPattern(pattern.toStdString());
        if (!check) {
            showNote(shownText(check.error()));
            return;
        }
    }
    showNote(QString());
    m_sounds->setPattern(pattern);
    showPatternState();
    if (pattern.toStdString() != m_settings->soundPattern())
        m_settings->setSoundPattern(pattern.toStdString());
}

void PreviewWindow::showPatternState()
{
    const std::string pattern = m_patternEdit->text().toStdString();
    if (pattern.empty()) {
        m_patternState->setText(tr("No file name pattern is set: sound cues are not played."));
        return;
    }
    // What the pattern gives for a sound, so that a mistake shows before a cue is played.
    const Expected<std::string, Notice> example = formatSoundName(pattern, 1);
    m_patternState->setText(
            example ? tr("Sound 1 is played from %1.").arg(QString::fromStdString(*example))
                    : QString::fromStdString(example.error().text));
}

void PreviewWindow::changeSpeed(int steps)
{
    const int index = std::clamp(m_speedBox->currentIndex() + steps, 0, int(kSpeeds.size()) - 1);
    m_speedBox->setCurrentIndex(index);
    emit m_speedBox->activated(index);
}

void PreviewWindow::endPlayback()
{
    m_underWay = false;
    emit playbackEnded();
}

void PreviewWindow::hideEvent(QHideEvent *event)
{
    // Closing the window stops the sound with the picture.
    m_player->pause();
    m_sounds->stop();
    QDialog::hideEvent(event);
    endPlayback();
}

} // namespace tessa
