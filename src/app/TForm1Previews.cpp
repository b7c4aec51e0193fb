// What the main window shows beside its lists: the selected map's thumbnail in step 1, and in step 2 the
// selected file's picture (for a texture) and the chain of files that led to it.
#include "app/TForm1.h"

#include "app/TexturePreview.h"
#include "platform/qt/CheckListBox.h"
#include "preview/GameTexture.h"
#include "scan/CollectionRun.h"

#include <QLabel>

namespace korvane {

namespace {

// The current entry of a list, or -1.
int currentRow(const CheckListBox& list) {
    return list.currentIndex().isValid() ? list.currentIndex().row() : -1;
}

} // namespace

void TForm1::MapListClick() {
    const int row = currentRow(*MapList);
    if (row < 0 || row >= MapItems.size()) {
        clearTexture(*MapThumbnail, *MapThumbnailSize);
        return;
    }
    const GameFolders folders = gameFolders();
    // The thumbnail texture wins over the older .tbn, as in the collection's companion rule.
    const Companions companions = companionsOf(MapItems.name(row));
    const std::string& thumbnail =
        folders.fileExists(companions.thumbnailTexture) ? companions.thumbnailTexture : companions.thumbnail;
    if (!folders.fileExists(thumbnail)) {
        clearTexture(*MapThumbnail, *MapThumbnailSize);
        MapThumbnail->setText("no thumbnail");
        return;
    }
    showTexture(*MapThumbnail, *MapThumbnailSize, gameTexturePreview(folders, thumbnail));
}

void TForm1::FileListClick() {
    const int row = currentRow(*FileList);
    if (row < 0 || row >= FileItems.size()) {
        clearTexture(*FilePreview, *FilePreviewSize);
        FileChain->clear();
        return;
    }
    const std::string& name = FileItems.name(row);
    // A long folder name may wrap after any of its separators.
    FileChain->setText(QString::fromStdString(chainText(Reasons, name)).replace('\\', QString("\\\u200b")));
    if (isTextureName(name)) {
        showTexture(*FilePreview, *FilePreviewSize, gameTexturePreview(gameFolders(), name));
    } else {
        clearTexture(*FilePreview, *FilePreviewSize);
    }
}

} // namespace korvane
