#include "app/TForm1.h"
#include "convert/ConverterMessages.h"
#include "convert/WorldVersionConverter.h"

namespace korvane {

namespace {

// The converter's questions as the design's boxes and file dialogs, opening in the installation.
class ConverterDialogs : public ConverterQuestions {
public:
    ConverterDialogs(UserDialogs& dialogs, std::string installRoot)
        : dialogs_(dialogs), installRoot_(std::move(installRoot)) {}

    bool startConversion() override { return dialogs_.askOkCancel(kConverterIntro); }
    std::optional<std::string> chooseSource() override {
        const auto chosen = dialogs_.openFiles({kWorldFilter, installRoot_, true, true});
        return chosen.empty() ? std::nullopt : std::optional(chosen.front());
    }
    bool convertUnknownVersion() override { return dialogs_.askYesNo(kUnknownVersionQuestion); }
    std::optional<std::string> chooseDestination() override {
        return dialogs_.saveFile({"*.wld|*.wld", installRoot_, true});
    }
    void tell(ConverterNotice notice, const std::string& path) override {
        dialogs_.showMessage(converterMessage(notice, path));
    }

private:
    UserDialogs& dialogs_;
    std::string installRoot_;
};

} // namespace

void TForm1::ConvertWLDversion1Click() {
    ConverterDialogs questions(context_.dialogs, InstallRoot());
    WorldVersionConverter(questions).run();
}

} // namespace korvane
