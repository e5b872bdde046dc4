#pragma once

#include <functional>
#include <type_traits>

// Runs `work` in a save transaction and commits. On a ServerError the
// transaction is rolled back, the save error box shows the server's message
// (for a lost connection: that nothing was saved and F2 is to be pressed
// again once the server is back), and the error passes on to the caller.
void RunSave(const std::function<void()> &work);

// RunSave for a caller that goes on after a failed save: false once the box
// was shown.
bool TrySave(const std::function<void()> &work);

// The edge of an operator's action: runs `handler`; a ServerError that
// reaches here is shown in the default error box (unless a box showed it
// already). False when one did.
bool RunGuarded(const std::function<void()> &handler);

// A slot that runs `handler` through RunGuarded, for every signal that may
// reach server code (focus, row and combo changes, timers):
//   connect(cboKind, &QComboBox::currentIndexChanged, this, Guarded([this] { kindChanged(); }));
// The handler takes the signal's arguments or none.
template <typename Handler>
auto Guarded(Handler handler)
{
    return [handler = std::move(handler)](const auto &...args) -> void {
        RunGuarded([&] {
            if constexpr (std::is_invocable_v<const Handler &, decltype(args)...>)
                std::invoke(handler, args...);
            else
                std::invoke(handler);
        });
    };
}
