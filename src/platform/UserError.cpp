#include "platform/UserError.h"

namespace korvane {

std::string userMessageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const UserError& shown) {
        return shown.what();
    } catch (...) {
        return kUnexpectedError;
    }
}

} // namespace korvane
