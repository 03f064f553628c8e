// SPDX-License-Identifier: MIT
#include "toolkit/guard.h"
#include "toolkit/runtimeerror.h"
#include <new>

namespace toolkit {

void Guard::report(std::exception_ptr error) noexcept {
    const std::string oops = "プログラムの中でまちがいがおきました。";
    reporting_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{reporting_};
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError& e) {
        reporter_.fatal(e.playerText(), e.detail());
    } catch (const std::bad_alloc&) {
        reporter_.fatal("メモリが足りなくなりました。", "Out of memory");
    } catch (const std::exception& e) {
        reporter_.fatal(oops, e.what());
    } catch (...) {
        reporter_.fatal(oops, "Unknown error");
    }
}

} // namespace toolkit
