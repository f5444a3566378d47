#include "app/Main_Form.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/lesson_registry.h"
#include "platform/memory.h"
#include "platform/platform.h"
#include "platform/strings.h"
#include "ui_main_form.h"

#include <QCoreApplication>
#include <QDate>
#include <QMenuBar>

namespace {

frame::ScreenSettings mainFormSettings()
{
    frame::ScreenSettings s;
    s.className = "TMainForm";
    s.caption = "青禾幼儿智能早教系统";
    s.folder = "mainform\\";
    s.stayOnTop = false;
    return s;
}

std::string iconName(int page, int slot)
{
    return "mainformt" + platform::ThreeDigits(page * 10 + slot + 1);
}

std::unique_ptr<Ui::TMainForm> setUpLayout(QWidget* form)
{
    auto ui = std::make_unique<Ui::TMainForm>();
    ui->setupUi(form);
    return ui;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : LessonScreen(mainFormSettings(), parent),
      ui_(setUpLayout(this)),
      pages_(this, ui_->btn_NextPage, ui_->btn_lastpage, frame::PageSettings{catalogue::kMenuLastPage, "n", "l"},
             [this] { ShowMenuPage(); })
{
    slots_ = {{
        {ui_->btn_a1, ui_->Image9, ui_->img1, ui_->lb1},
        {ui_->btn_a2, ui_->Image10, ui_->img2, ui_->lb2},
        {ui_->btn_a3, ui_->Image11, ui_->img3, ui_->lb3},
        {ui_->btn_a4, ui_->Image12, ui_->img4, ui_->lb4},
        {ui_->btn_a5, ui_->Image13, ui_->img5, ui_->lb5},
        {ui_->btn_b1, ui_->Image14, ui_->img6, ui_->lb_b1},
        {ui_->btn_b2, ui_->Image15, ui_->img7, ui_->lb_b2},
        {ui_->btn_b3, ui_->Image16, ui_->img8, ui_->lb_b3},
        {ui_->btn_b4, ui_->Image17, ui_->img9, ui_->lb_b4},
        {ui_->btn_b5, ui_->Image18, ui_->img10, ui_->lb_b5},
    }};

    // The menu bar sits above the client area, as on a standard window.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    // The bar keeps to the 20 pixels above the menu area.
    MainMenu1->setStyleSheet(QStringLiteral("QMenuBar { font-size: 13px; } QMenuBar::item { padding: 0px 8px; }"));
    MainMenu1->setGeometry(0, 0, width(), 20);
    help = MainMenu1->addMenu(QStringLiteral("帮助信息"));
    help->setObjectName("help");
    for (const char* item : {"使用说明", "关于本系统", "联系我们"})
        help->addAction(QString::fromUtf8(item))->setObjectName(QString::fromUtf8(item));

    ui_->Label4->setText(QDate::currentDate().toString(QStringLiteral("yyyy年M月d日")));

    for (int k = 0; k < catalogue::kMenuSlots; ++k)
        frame::OnClick(slots_[static_cast<size_t>(k)].button, [this, k] { SlotClick(k); });
    frame::OnClick(ui_->btn_NextPage, [this] { btn_NextPageClick(); });
    frame::OnClick(ui_->btn_lastpage, [this] { btn_lastpageClick(); });
    frame::OnClick(ui_->btn_backlasmenu, [this] { btn_backlasmenuClick(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    SetMediaFolder();
    SelectedSlot = 0;
    CurrentSoundAlias.clear();
    pages_.Reset();
    ShowMenuPage();
    PlayLessonSound("kj");
}

std::vector<std::string> TMainForm::FirstFramePictures()
{
    std::vector<std::string> names = {"mainform_bg", "mainform_frame", "mainform_btn_next", "mainform_btn_last",
                                      "mainform_btn_close"};
    for (int k = 0; k < catalogue::kMenuSlots; ++k)
        names.push_back(iconName(0, k));
    return names;
}

QStringList TMainForm::FirstFrameFamilies()
{
    // The layout's font; the menu bar and every caption inherit it.
    return {QStringLiteral("宋体")};
}

void TMainForm::ShowMenuPage()
{
    frame::Guarded([this] {
        const int page = pages_.PageIndex;
        for (int k = 0; k < catalogue::kMenuSlots; ++k)
            slots_[static_cast<size_t>(k)].caption->setText(QString::fromStdString(catalogue::MenuCaption(k, page)));
        if (page >= 0 && page <= 4) {
            for (int k = 0; k < catalogue::kMenuSlots; ++k)
                LoadNamedPicture(slots_[static_cast<size_t>(k)].icon, iconName(page, k));
        }
        if (page == catalogue::kMenuLastPage) {
            LoadNamedPicture(slots_[0].icon, iconName(page, 0));
            for (int k = 1; k < catalogue::kMenuSlots; ++k) {
                const MenuSlotWidgets& s = slots_[static_cast<size_t>(k)];
                s.button->setVisible(false);
                s.icon->setVisible(false);
                s.frame->setVisible(false);
                s.caption->setText(QString());
            }
        } else {
            for (int k = 1; k < catalogue::kMenuSlots; ++k) {
                const MenuSlotWidgets& s = slots_[static_cast<size_t>(k)];
                s.button->setVisible(true);
                s.icon->setVisible(true);
                s.frame->setVisible(true);
            }
        }
    });
}

void TMainForm::SlotClick(int k)
{
    SelectedSlot = k;
    ShowMenuPage();
    // An error from a lesson ends that visit only; the menu stays usable.
    frame::Guarded([this] { OpenLesson(); });
}

void TMainForm::OpenLesson()
{
    if (const catalogue::MenuEntry* entry = catalogue::FindMenuEntry(pages_.PageIndex, SelectedSlot))
        RunLesson(*entry);
}

void TMainForm::RunLesson(const catalogue::MenuEntry& entry)
{
    const frame::LessonFactory* make = frame::FindLesson(entry.className);
    if (!make)
        return;  // not built yet
    frame::LessonScreen*& screen = frame::FormVariable(entry.className);
    std::exception_ptr failure;
    try {
        screen = (*make)();
        screen->Create();
        screen->ShowModal();
    } catch (...) {
        failure = std::current_exception();
    }
    StopIfCurrent();
    PlayLessonSound("lm");
    delete screen;
    screen = nullptr;
    platform::keepWithinMemoryBudget();
    if (failure) {
        frame::ScreenScope scope(entry.className);
        frame::ReportDropped(failure);
    }
}

void TMainForm::btn_backlasmenuClick()
{
    StopIfCurrent();
    PlayLessonSound("re");
    if (platform::current().messageDlg("小朋友,确定要关闭系统吗?") == platform::mrYes) {
        Close();
        QCoreApplication::quit();  // ends the event loop, and with it the program
    }
}

void TMainForm::FormClose()
{
    // The main window closing ends the program, whether by Yes or by the
    // system's close command.
    QCoreApplication::quit();
}
