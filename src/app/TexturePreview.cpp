#include "app/TexturePreview.h"

#include "archive/ZipEngine.h"
#include "preview/GameTexture.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace korvane {

namespace {

constexpr std::uint16_t kOpenForReading = 0;
constexpr std::uint16_t kEveryFileAttribute = 47; // all but the directory bit

QPixmap scaledInto(const TexturePicture& picture, const QSize& box) {
    const QImage image(picture.rgba.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888);
    // Small textures are enlarged with hard edges, as the editor shows them; large ones are smoothed down.
    const bool enlarge = picture.width <= box.width() && picture.height <= box.height();
    return QPixmap::fromImage(
        image.scaled(box, Qt::KeepAspectRatio, enlarge ? Qt::FastTransformation : Qt::SmoothTransformation));
}

} // namespace

void showTexture(QLabel& picture, QLabel& size, const DecodedTexture& texture) {
    if (texture.kind != DecodedTexture::Kind::Picture) {
        picture.setPixmap({});
        picture.setText("no preview");
        size.clear();
        return;
    }
    const TexturePicture& shown = texture.picture;
    picture.setPixmap(scaledInto(shown, picture.contentsRect().size()));
    QString text = QString("%1 × %2 pixels").arg(shown.width).arg(shown.height);
    if (shown.frames > 1) {
        text += QString(", %1 frames").arg(shown.frames);
    }
    size.setText(text);
}

void clearTexture(QLabel& picture, QLabel& size) {
    picture.setPixmap({});
    picture.clear();
    size.clear();
}

DecodedTexture archiveTexture(const std::string& archivePath, const std::string& member) {
    try {
        TZipEngine archiver("Archiver");
        archiver.FileName = archivePath;
        archiver.OpenArchive(kOpenForReading);
        std::optional<std::string> data;
        TZEArchiveItem item;
        for (bool found = archiver.FindFirst("*.*", item, kEveryFileAttribute, ""); found && !data;
             found = archiver.FindNext(item)) {
            if (item.StoredPath + item.FileName == member) {
                data = archiver.ReadItemData(item, kLargestTextureFile);
            }
        }
        archiver.CloseArchive();
        return data ? decodeTexture(*data) : DecodedTexture();
    } catch (...) {
        // Only a preview: an archive that cannot be read shows none, and the viewer says why elsewhere.
        return {};
    }
}

} // namespace korvane
