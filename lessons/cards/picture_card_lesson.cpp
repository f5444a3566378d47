#include "lessons/cards/picture_card_lesson.h"

#include "lesson_frame/guarded.h"
#include "ui_cards_flags.h"
#include "ui_cards_paged.h"

#include <cstring>

namespace cards {

namespace {

using platform::TImage;
using platform::TLabel;
using platform::TPanel;
using platform::TSpeedButton;

constexpr const char* kTenPictures[] = {"img1",  "img2",  "img3",  "img4",  "img5",
                                        "imgb1", "imgb2", "imgb3", "imgb4", "imgb5"};
constexpr const char* kTenButtons[] = {"btn_a1", "btn_a2", "btn_a3", "btn_a4", "btn_a5",
                                       "btn_b1", "btn_b2", "btn_b3", "btn_b4", "btn_b5"};
constexpr const char* kTenLabels[] = {"LB_a1", "LB_a2", "LB_a3", "LB_a4", "LB_a5",
                                      "LB_b1", "LB_b2", "LB_b3", "LB_b4", "LB_b5"};
constexpr const char* kEightPictures[] = {"img1", "img2", "img3", "img4", "imgb1", "imgb2", "imgb3", "imgb4"};
constexpr const char* kEightLabels[] = {"LB_a1", "LB_a2", "LB_a3", "LB_a4", "LB_b1", "LB_b2", "LB_b3", "LB_b4"};

// Where a label that fits its text starts, right of its picture's left edge.
constexpr int kFittedLabelIndent = 26;

frame::ScreenSettings settingsOf(const CardFamily& family, const PagedCardVariant& variant)
{
    return frame::ScreenSettings(family.className, variant.maximise, true);
}

// The bottom bar at the bottom, the lesson area and its background above it.
void setBottomBarHeight(QWidget* screen, int height)
{
    const int top = screen->height() - height;
    LayoutWidget<TPanel>(screen, "Panel2")->setGeometry(0, top, screen->width(), height);
    LayoutWidget<TPanel>(screen, "Panel1")->setGeometry(0, 0, screen->width(), top);
    LayoutWidget<TImage>(screen, "Image3")->resize(screen->width(), top);
}

}  // namespace

PictureCardLesson::Widgets PictureCardLesson::SetUpLayout(PictureCardLesson* self, const PagedCardVariant& variant)
{
    Widgets w;
    const bool flags = variant.layout == CardLayout::EightFlags;
    if (flags) {
        Ui::FlagCardLayout ui;
        ui.setupUi(self);
    } else {
        Ui::PagedCardLayout ui;
        ui.setupUi(self);
    }
    const int count = flags ? 8 : 10;
    for (int s = 0; s < count; ++s) {
        Slot slot{};
        slot.picture = LayoutWidget<TImage>(self, flags ? kEightPictures[s] : kTenPictures[s]);
        slot.button = flags ? nullptr : LayoutWidget<TSpeedButton>(self, kTenButtons[s]);
        slot.label = LayoutWidget<TLabel>(self, flags ? kEightLabels[s] : kTenLabels[s]);
        w.cardSlots.push_back(slot);
    }
    w.next = LayoutWidget<TSpeedButton>(self, "btn_nextpage");
    w.previous = LayoutWidget<TSpeedButton>(self, "btn_lastpage");

    for (const Rename& r : variant.renames)
        LayoutWidget<QWidget>(self, r.from)->setObjectName(QString::fromUtf8(r.to));
    for (const Slot& slot : w.cardSlots) {
        QFont font = slot.label->font();
        font.setPixelSize(variant.captionPixelSize);
        slot.label->setFont(font);
        if (variant.labelsSizeToText && slot.label->objectName() != QLatin1String("LB_b1")) {
            slot.label->setWordWrap(false);
            slot.label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            slot.label->move(slot.picture->x() + kFittedLabelIndent, slot.label->y());
        }
    }
    for (const char* name : variant.twoLineLabels) {
        auto* label = LayoutWidget<TLabel>(self, name);
        // Wider too, about the same centre: long names break only once.
        const QRect box = label->geometry();
        label->setGeometry(box.center().x() - 100, box.y(), 200, 2 * box.height());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    if (variant.bottomBarHeight != LayoutWidget<TPanel>(self, "Panel2")->height())
        setBottomBarHeight(self, variant.bottomBarHeight);
    return w;
}

PictureCardLesson::PictureCardLesson(const CardFamily& family, PagedCardVariant variant)
    : LessonScreen(settingsOf(family, variant)),
      family_(family),
      variant_(std::move(variant)),
      widgets_(SetUpLayout(this, variant_)),
      pages_(
          this, widgets_.next, widgets_.previous, frame::PageSettings{family.lastPageIndex(), "n", "l"},
          [this] { ShowPage(); },
          variant_.pageButtonsStopFirst ? std::function<void()>([this] { StopLessonSound(); }) : nullptr)
{
    for (int s = 0; s < static_cast<int>(widgets_.cardSlots.size()); ++s) {
        const Slot& slot = widgets_.cardSlots[static_cast<size_t>(s)];
        BindCardClick(slot.button ? static_cast<QWidget*>(slot.button) : slot.picture, [this, s] { CardClick(s); });
    }
    for (int s : variant_.pictureClicks)
        BindCardClick(widgets_.cardSlots[static_cast<size_t>(s)].picture, [this, s] { CardClick(s); });
    frame::OnClick(widgets_.next, [this] { btn_nextpageClick(); });
    frame::OnClick(widgets_.previous, [this] { btn_lastpageClick(); });
    frame::OnClick(LayoutWidget<TSpeedButton>(this, "btn_backlasmenu"), [this] { btn_backlasmenuClick(); });
}

void PictureCardLesson::FormCreate()
{
    CardIndex = 0;
    pages_.Reset();
    CurrentSoundAlias.clear();
    MediaFolder.clear();
    SetMediaFolder();
    if (variant_.startSound == StartSound::First)
        PlayStartSound();
    ShowPage();
    if (variant_.startSound == StartSound::Last)
        PlayStartSound();
}

void PictureCardLesson::ShowPage()
{
    for (int s = 0; s < static_cast<int>(widgets_.cardSlots.size()); ++s) {
        TLabel* label = widgets_.cardSlots[static_cast<size_t>(s)].label;
        label->setText(QString::fromUtf8(family_.at(s, PageIndex()).caption));
        if (variant_.labelsSizeToText && label->objectName() != QLatin1String("LB_b1"))
            label->adjustSize();
    }
    ShowCardPictures();
}

void PictureCardLesson::ShowCardPictures()
{
    frame::Guarded([this] {
        for (int s = 0; s < static_cast<int>(widgets_.cardSlots.size()); ++s) {
            const Slot& slot = widgets_.cardSlots[static_cast<size_t>(s)];
            const CardEntry& card = family_.at(s, PageIndex());
            if (variant_.loader != Loader::Plain) {
                const bool empty = IsEmptySlot(card);
                slot.picture->setVisible(!empty);
                if (variant_.loader == Loader::EmptySlots && slot.button)
                    slot.button->setVisible(!empty);
                if (empty)
                    continue;
            }
            LoadNamedPicture(slot.picture, family_.pictureName(card));
        }
    });
}

void PictureCardLesson::CardClick(int slot)
{
    CardIndex = slot;
    PlayCardSound();
}

void PictureCardLesson::PlayCardSound()
{
    frame::Guarded([this] { PlayLessonSound(family_.at(CardIndex, PageIndex()).name, variant_.cardStop); });
}

void PictureCardLesson::btn_nextpageClick()
{
    pages_.NextPageClick();
}

void PictureCardLesson::btn_lastpageClick()
{
    pages_.PreviousPageClick();
}

}  // namespace cards
