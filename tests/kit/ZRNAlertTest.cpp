#include "kit/ZRNAlert.h"
#include "kit/ZRNSheetPresentation.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"
#include "ui/GuiTestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

class ZRNAlertTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ZRNSheetPresentation::sharedPresentation().setUseHighlightEffect(true);
        m_window.resize(400, 300);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QStringList m_log;
    QWidget m_window;
};

struct ConfirmCase
{
    const char *name;
    int key;    // answered by this key, or
    int button; // by clicking this button
    bool tickBox;
    const char *expected;
};

class ZRNAlertConfirmTest : public ZRNAlertTest, public ::testing::WithParamInterface<ConfirmCase>
{};

// "No" comes first and is the default: Return and Escape both decline; only "Yes" proceeds, and
// the suppression box is reported as it was left.
TEST_P(ZRNAlertConfirmTest, OnlyTheSecondButtonProceeds)
{
    QMessageBox *box =
        ZRNAlert::confirm(&m_window, QStringLiteral("Remove?"), QStringLiteral("i"), true,
                          [this](bool confirmed, bool suppress) {
                              m_log.append(QStringLiteral("%1 %2").arg(
                                  confirmed ? "yes" : "no", suppress ? "suppress" : "ask"));
                          });
    WAIT_UNTIL(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("No"));
    box->checkBox()->setChecked(GetParam().tickBox);
    if (GetParam().key)
        QTest::keyClick(box, Qt::Key(GetParam().key));
    else
        box->buttons().at(GetParam().button)->click();
    EXPECT_EQ(m_log.join(QLatin1Char(';')), QString::fromLatin1(GetParam().expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, ZRNAlertConfirmTest, ::testing::Values(
    ConfirmCase{"Return", Qt::Key_Return, 0, true, "no suppress"},
    ConfirmCase{"Escape", Qt::Key_Escape, 0, false, "no ask"},
    ConfirmCase{"Yes", 0, 1, true, "yes suppress"}),
    caseName);
// clang-format on

TEST_F(ZRNAlertTest, HighlightComesOnceAndGoesWithTheAlert)
{
    ZRNSheetPresentation &presentation = ZRNSheetPresentation::sharedPresentation();
    QMessageBox *box = ZRNAlert::inform(&m_window, QStringLiteral("m"), QStringLiteral("i"),
                                        [this] { m_log.append(QStringLiteral("done")); });
    QWidget *highlight = ZRNSheetPresentation::highlightForWindow(&m_window);
    ASSERT_TRUE(highlight);
    presentation.prepareSheetPresentationForWindow(&m_window); // a sheet over the sheet
    EXPECT_EQ(m_window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).count(highlight), 1);
    EXPECT_EQ(ZRNSheetPresentation::highlightForWindow(&m_window), highlight);
    m_window.resize(500, 350);
    WAIT_UNTIL(highlight->geometry() == m_window.rect());

    box->buttons().first()->click();
    EXPECT_EQ(m_log, QStringList{QStringLiteral("done")});
    EXPECT_FALSE(ZRNSheetPresentation::highlightForWindow(&m_window));
    QPointer<QWidget> fading(highlight);
    WAIT_UNTIL(!fading);
}

} // namespace
