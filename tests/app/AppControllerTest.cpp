#include "AppFixture.h"

#include "app/AppController.h"
#include "app/DocumentController.h"

#include "ui/AboutWindow.h"
#include "ui/DocumentWindow.h"
#include "ui/GeneralPreferencePanel.h"
#include "ui/GuiTestSupport.h"
#include "ui/OpenAssistant.h"
#include "ui/ReopenEncodingMenu.h"
#include "ui/SavePanel.h"

#include "csv/StringEncodingTable.h"
#include "document/CSVDocument.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNPreferencesWindow.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace GuiTestSupport;

namespace {

using NamedCases::PrintTo;

using AppControllerTest = AppFixture;

TEST_F(AppControllerTest, LaunchOpensAnEmptyDocumentWhenTheSettingsAskForIt)
{
    m_app->launch({});
    EXPECT_EQ(titles(), QStringList{QStringLiteral("Untitled[*]")});
    EXPECT_EQ(DocumentState::visibleRows(*documents().currentDocument()), QStringLiteral(",,,"));
}

TEST_F(AppControllerTest, FilesOnTheCommandLineOpenOneWindowEach)
{
    const QString first = file(QStringLiteral("first.csv"), "a;b\nc;d\n");
    const QString second = file(QStringLiteral("second.csv"), "x,y\n");
    m_app->launch({first, second, first});
    // One assistant at a time, one per file not open yet.
    for (int confirmed = 0; confirmed < 2; ++confirmed) {
        WAIT_UNTIL(openAssistant());
        openAssistant()->accept();
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(openAssistant());
    EXPECT_EQ(titles(),
              (QStringList{QStringLiteral("first.csv[*]"), QStringLiteral("second.csv[*]")}));
    EXPECT_EQ(DocumentState::visibleRows(documents().windows().front()->document()),
              QStringLiteral("a,b|c,d"));
    EXPECT_EQ(DocumentController::recentDocuments().mid(0, 2), (QStringList{second, first}));
}

// Unicode first, then the others grouped by script, each group by number.
TEST(ReopenEncodingMenuTest, ListsUnicodeFirstThenByScript)
{
    QStringList titles;
    for (const ReopenEncodingMenu::Entry &entry : ReopenEncodingMenu::entries())
        titles.append(entry.title);
    EXPECT_EQ(titles.mid(0, 12).join(QLatin1String("; ")),
              QStringLiteral("Unicode (UTF-8); Unicode (UTF-16); Unicode (UTF-7); "
                             "Unicode (UTF-32); Unicode (UTF-16BE); Unicode (UTF-16LE); "
                             "Unicode (UTF-32BE); Unicode (UTF-32LE); Western (ASCII); "
                             "Western (ISO Latin 1); Western (Windows Latin 1); "
                             "Western (Mac OS Roman)"));
    EXPECT_EQ(titles.size(), qsizetype(StringEncodingTable::entries().size()));
}

// The font panel works on the document in front, and only on it; the default font of the
// preferences only reaches documents made afterwards.
TEST_F(AppControllerTest, FontsGoToTheFrontDocumentAndDefaultsToNewOnes)
{
    m_app->launch({});
    DocumentWindow *back = documents().currentWindow();
    DocumentWindow *front = documents().newDocument();
    front->activateWindow();
    WAIT_UNTIL(documents().currentWindow() == front);
    const QFont before = back->tableViewFont();

    m_app->orderFrontFontPanel();
    QFont chosen = before;
    chosen.setPointSizeF(before.pointSizeF() + 7);
    m_app->fontPanel()->setCurrentFont(chosen);
    EXPECT_EQ(front->tableViewFont().pointSizeF(), chosen.pointSizeF());
    EXPECT_EQ(back->tableViewFont(), before);

    QFont larger(QFontDatabase::families().constFirst());
    larger.setPointSizeF(before.pointSizeF() + 3);
    m_app->generalPreferencePanel()->changeDefaultFont(larger);
    EXPECT_EQ(back->tableViewFont(), before);
    EXPECT_EQ(documents().newDocument()->tableViewFont().pointSizeF(), larger.pointSizeF());
}

// A size typed into the panel keeps the document's family and upright style. DejaVu Sans lists
// "Oblique" first and no "Normal": the panel preselected it and turned the table italic.
TEST_F(AppControllerTest, FontPanelChangingTheSizeKeepsTheFace)
{
    ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")));
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    window->setTableViewFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    m_app->orderFrontFontPanel();
    // The panel's fields: family, style, size.
    m_app->fontPanel()->findChildren<QLineEdit *>().at(2)->setText(QStringLiteral("23"));
    const QFontInfo face(window->tableViewFont());
    EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(face.family(), face.styleName()).arg(face.pointSize()),
              QStringLiteral("DejaVu Sans Book 23"));
}

// The top-level window of that class on screen, or nullptr.
template<typename Window>
Window *shownWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// Preferences and About close with Escape, Ctrl+W and their Close button.
TEST_F(AppControllerTest, PreferencesAndAboutCloseByKeyAndButton)
{
    m_app->launch({});
    QStringList left;
    const auto closes = [&](const char *name, const std::function<QWidget *()> &show,
                            const std::function<void(QWidget *)> &close) {
        QWidget *window = show();
        if (!window || !QTest::qWaitForWindowActive(window))
            return left.append(QString::fromLatin1(name) + QStringLiteral(" not shown"));
        close(window);
        if (!QTest::qWaitFor([window] { return !window->isVisible(); }))
            left.append(QString::fromLatin1(name));
    };
    const auto showPreferences = [this] {
        m_app->showPreferences();
        return shownWindow<ZRNPreferencesWindow>();
    };
    const auto showAbout = [this] {
        m_app->showAboutBox();
        return shownWindow<AboutWindow>();
    };
    const auto key = [](QKeyCombination combination) {
        return [combination](QWidget *w) {
            QTest::keyClick(w, combination.key(), combination.keyboardModifiers());
        };
    };
    const auto button = [](QWidget *w) {
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
    };
    closes("PreferencesEscape", showPreferences, key(Qt::Key_Escape));
    closes("PreferencesCtrlW", showPreferences, key(Qt::CTRL | Qt::Key_W));
    closes("PreferencesButton", showPreferences, button);
    closes("AboutEscape", showAbout, key(Qt::Key_Escape));
    closes("AboutCtrlW", showAbout, key(Qt::CTRL | Qt::Key_W));
    closes("AboutButton", showAbout, button);
    EXPECT_EQ(left, QStringList());
}

TEST_F(AppControllerTest, GeneralPaneStoresItsSettings)
{
    m_app->launch({});
    GeneralPreferencePanel &pane = *m_app->generalPreferencePanel();
    UserDefaults &defaults = UserDefaults::standard();
    const char *const suppressions[] = {DefaultsKeys::RowDeleteAlertSuppress,
                                        DefaultsKeys::ColumnDeleteAlertSuppress,
                                        DefaultsKeys::RuleDeleteAlertSuppress};
    for (const char *name : suppressions)
        defaults.setObject(key(name), true);
    GeneralPreferencePanel::resetSuppressedAlerts();
    for (const char *name : suppressions)
        EXPECT_FALSE(defaults.boolForKey(key(name))) << name;

    int posted = 0;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("PrefsChanged"),
                                                    [&posted](const Notification &) { ++posted; });
    m_app->showPreferences();
    pane.autoSavePopUp()->setCurrentIndex(2);
    emit pane.autoSavePopUp()->activated(2);
    EXPECT_EQ(defaults.integerForKey(key(DefaultsKeys::AutoSaveTime)), 5);
    EXPECT_EQ(posted, 1);
}

struct CloseCase
{
    const char *name;
    int button; // Save, Cancel, Don't Save
    bool closed;
    // Saving an untitled document asks for a file first; the test answers with this name.
    const char *savedAs = nullptr;
};

class CloseQuestionTest : public AppControllerTest, public ::testing::WithParamInterface<CloseCase>
{};

TEST_P(CloseQuestionTest, ClosingUnsavedChangesAsksFirst)
{
    m_app->launch({});
    DocumentWindow *window = documents().currentWindow();
    window->document().setObjectValueForTableColumn(QStringLiteral("x"), 0, 0);
    window->close();
    WAIT_UNTIL(openAlert(window));
    EXPECT_EQ(documents().windows().size(), 1u);
    ASSERT_TRUE(answerAlert(window, GetParam().button));
    if (GetParam().savedAs) {
        auto *panel = qobject_cast<SavePanel *>(QApplication::activeModalWidget());
        ASSERT_TRUE(panel);
        const QString path = m_dir.filePath(QString::fromLatin1(GetParam().savedAs));
        panel->selectFile(path);
        static_cast<QDialog *>(panel)->accept(); // as the panel's Save button does
        EXPECT_EQ(TestData::readFile(path), "x,,,\r\n");
    }
    EXPECT_EQ(documents().windows().empty(), GetParam().closed);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest,
                         ::testing::Values(CloseCase{"Save", 0, true, "kept.csv"},
                                           CloseCase{"Cancel", 1, false},
                                           CloseCase{"DontSave", 2, true}),
                         caseName);

} // namespace
