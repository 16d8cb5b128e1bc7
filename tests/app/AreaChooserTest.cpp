// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AreaChooser.h"
#include "MainWindowFixture.h"
#include "app/AreaChoice.h"
#include "scores/ScoreTable.h"
#include "support/TestArea.h"
#include "windows/TNewForm.h"

#include <QListWidget>
#include <QTimer>

#include <filesystem>
#include <functional>

namespace kluvian {
namespace {

namespace fs = std::filesystem;

// The game's data folder holds BlueMountains and "alpine", the player's own folder "Tundra"
// and "Moor", which has nothing but its settings.
class AreaChooserWindow : public test::MainWindowFixture {
protected:
    test::TempDir home_;

    void PrepareDirectory() override {
        test::WriteTestArea(dir_);
        fs::copy(dir_.File("data/BlueMountains"), dir_.File("data/alpine"));
        fs::create_directories(home_.File("share/kluvian/areas/Moor"));
        fs::copy(dir_.File("data/BlueMountains"), home_.File("share/kluvian/areas/Tundra"));
        home_.Write("share/kluvian/areas/Moor/settings.ini", "");
        qputenv("XDG_DATA_HOME", home_.File("share").c_str());
        qputenv("XDG_CONFIG_HOME", home_.File("config").c_str());
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    // F7 (or open), and then the action on the chooser, once its modal showing has begun.
    void WithChooser(std::function<void(AreaChooser&)> action,
                     const std::function<void()>& open = {}) {
        QTimer::singleShot(0, [action = std::move(action)] {
            auto* chooser = dynamic_cast<AreaChooser*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            action(*chooser);
            if (chooser->isVisible()) // a failed check above must not leave the test waiting
                chooser->reject();
        });
        if (open)
            open();
        else
            Press(Qt::Key_F7);
    }
};

TEST_F(AreaChooserWindow,
       ListsTheAreasByNameAndReturnPlaysTheSelectedOneWhileEscapeChangesNothing) {
    QStringList rows;
    int selected = -1;
    WithChooser([&](AreaChooser& chooser) {
        for (int row = 0; row < chooser.List()->count(); ++row)
            rows << chooser.List()->item(row)->text();
        selected = chooser.List()->currentRow();
        QTest::keyClick(chooser.List(), Qt::Key_Down);
        QTest::keyClick(chooser.List(), Qt::Key_Escape);
    });
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], "alpine");
    EXPECT_EQ(rows[1], "BlueMountains");
    // Marked with what it lacks, numbered pictures of one kind together.
    EXPECT_TRUE(rows[2].startsWith(QString::fromUtf8("Moor — brak: backgroundLayer0–2.tga, ")))
        << rows[2].toStdString();
    EXPECT_EQ(rows[3], "Tundra");
    EXPECT_EQ(selected, 1) << "opens with the area played, BlueMountains before any choice";
    EXPECT_FALSE(form_->LoadingForm().isVisible());
    EXPECT_FALSE(State().Running);
    EXPECT_EQ(State().areaPath, "");
    EXPECT_EQ(PlayerSettings().Read(kAreaSetting), "");

    WithChooser([](AreaChooser& chooser) {
        QTest::keyClick(chooser.List(), Qt::Key_Down);
        QTest::keyClick(chooser.List(), Qt::Key_Down);
        QTest::keyClick(chooser.List(), Qt::Key_Return);
    });
    const GameState& state = State();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return state.Running && state.AreaName == "Tundra"; }, 10000));
    const std::string tundra =
        fs::canonical(home_.File("share/kluvian/areas/Tundra")).string() + "/";
    EXPECT_EQ(state.areaPath, tundra);
    EXPECT_EQ(PlayerSettings().Read(kAreaSetting), tundra);
    // Its table is a table of its own, beside the player's own areas.
    EXPECT_TRUE(game_->table.ScoreFilePath().starts_with(home_.File("share/kluvian/areas/Tundra-")))
        << game_->table.ScoreFilePath();

    // The menu item opens it as well, now with the area chosen selected.
    selected = -1;
    WithChooser([&](AreaChooser& chooser) { selected = chooser.List()->currentRow(); },
                [this] { form_->areaCommand->trigger(); });
    EXPECT_EQ(selected, 3);
}

} // namespace
} // namespace kluvian
