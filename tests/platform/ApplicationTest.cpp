#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The test entry sets the application up as the game does.
TEST(ReturnKey, PressesTheFocusedButtonOfAnyWindow)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* start = new QPushButton(QStringLiteral("開 始"));
    auto* box = new QLineEdit;
    layout->addWidget(start);
    layout->addWidget(box);
    int presses = 0;
    QObject::connect(start, &QPushButton::clicked, [&] { ++presses; });
    window.show();
    QApplication::setActiveWindow(&window);
    start->setFocus();
    ASSERT_TRUE(start->hasFocus());

    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(presses, 2);
    QTest::keyClick(start, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(start, Qt::Key_A);
    EXPECT_EQ(presses, 2) << "only a plain Return presses";

    // Return in a text box stays the text box's.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(presses, 2);
}

TEST(Application, ToolkitDialogsSpeakJapanese)
{
    // The buttons of the toolkit's own boxes and dialogs, as a person sees them.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}
