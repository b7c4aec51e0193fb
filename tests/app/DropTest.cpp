// Maps and archives dropped on the main window: a new archive in the map's own installation and mod, or the
// archive viewer.
#include "AppFixture.h"

#include "../settings/ListingFixture.h"

#include "app/ArchiveViewer.h"
#include "settings/MapInstallation.h"

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

namespace korvane::testing {
namespace {

class Drop : public AppFixture {
protected:
    TForm1* main = nullptr;

    void SetUp() override {
        for (const char* install : {"game/", "other/"}) {
            dir.write(std::string(install) + "Bin/SeriousSam.exe", "");
            dir.write(std::string(install) + "Temp/KVN_files.dat", "Textures\\Stock.tex\r\n");
            dir.write(std::string(install) + "Temp/KVN_gros.dat", "Stock.gro\r\n");
        }
        writeGameFile("Mods/Beta/ModName.txt", "");
        writeGameFile("Mods/Alpha/Levels/A.wld", "WLD");
        main = &startConfigured();
    }

    // The drag entering the window, then the drop; whether the window took the drag.
    bool drop(const std::vector<std::string>& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& file : files) {
            urls << QUrl::fromLocalFile(QString::fromStdString(file));
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main, &dropped);
        return true;
    }
};

TEST_F(Drop, AModsMapStartsANewArchiveForTheModAndAnythingElseIsRefused) {
    main->New1->trigger();
    main->MapItems.append("Levels\\Old.wld", true);
    main->showStep(2);
    EXPECT_FALSE(drop({dir.write("game/Readme.txt", "").string()}));
    EXPECT_FALSE(drop({path("Mods/Alpha/Levels/A.wld"), path("Readme.txt")}));
    EXPECT_EQ(visibleStep(*main), 2);

    EXPECT_TRUE(drop({path("Mods/Alpha/Levels/A.wld")}));
    EXPECT_EQ(visibleStep(*main), 0);
    EXPECT_EQ(main->ComboBox1->currentText(), "Alpha");
    EXPECT_EQ(main->MapItems.names(), Names{"Levels\\A.wld"});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Drop, AMapOfAnotherInstallationSwitchesToItForTheSessionWhenItIsSetUp) {
    dir.write("other/Levels/B.wld", "WLD");
    dir.write("bare/Bin/SeriousSam.exe", "");
    dir.write("bare/Levels/C.wld", "WLD");
    EXPECT_TRUE(drop({dir.root() + "bare/Levels/C.wld"}));
    EXPECT_EQ(state.InstallRoot, root());
    EXPECT_NE(dialogs.shown.at(0).find("has not been built yet"), std::string::npos) << dialogs.shown.at(0);

    EXPECT_TRUE(drop({dir.root() + "other/Levels/B.wld"}));
    EXPECT_TRUE(sameFolder(state.InstallRoot, dir.root() + "other"));
    EXPECT_EQ(state.StandardGroList.names(), Names{"Stock.gro"});
    EXPECT_EQ(main->MapItems.names(), Names{"Levels\\B.wld"});
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(settings.readString("\\Software\\Korvane", "SSPath15"), std::nullopt);
}

TEST_F(Drop, AMapGivenAsTheArgumentOpensOnceTheStartUpCheckPasses) {
    storeRoot(root());
    main->openMapAfterStartup(path("Mods/Alpha/Levels/A.wld"));
    main->Timer1Timer();
    EXPECT_EQ(main->MapItems.names(), Names{"Levels\\A.wld"});

    // Before any setup, the map's installation serves when it is set up.
    storeRoot("");
    dir.write("other/Levels/B.wld", "WLD");
    main->openMapAfterStartup(dir.root() + "other/Levels/B.wld");
    main->Timer1Timer();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->MapItems.names(), Names{"Levels\\B.wld"});
    EXPECT_EQ(settings.readString("\\Software\\Korvane", "SSPath15"), "");
}

TEST_F(Drop, AnArchiveOpensInTheViewer) {
    makeArchives({{path("Map.gro"), {"Textures/Wall.tex"}}});
    EXPECT_TRUE(drop({path("Map.gro")}));
    const auto viewers = main->findChildren<ArchiveViewer*>();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_TRUE(viewers.front()->isVisible());
    EXPECT_EQ(viewers.front()->Members->count(), 1);
}

} // namespace
} // namespace korvane::testing
