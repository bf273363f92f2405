#include "platform/win32/subclass.h"

#include <unordered_map>
#include <vector>

namespace tallowick {

namespace {

struct Layer {
    SubclassProc proc;
    void* data;
};

struct Chain {
    WNDPROC original = nullptr;
    std::vector<Layer> layers;  // the last added runs first
};

// Windows belong to the thread that made them, and so do their chains.
thread_local std::unordered_map<HWND, Chain> chains;
// The layer each running SubclassProc is, innermost last, so that CallNextSubclass knows
// where to go on.
thread_local std::vector<std::size_t> running;

LRESULT Run(HWND window, const Layer& layer, std::size_t index, UINT message, WPARAM wParam,
            LPARAM lParam) {
    running.push_back(index);
    const LRESULT result = layer.proc(window, message, wParam, lParam, layer.data);
    running.pop_back();
    return result;
}

LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = chains.find(window);
    if (it == chains.end())
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result;
    if (it->second.layers.empty()) {
        result = CallWindowProcW(it->second.original, window, message, wParam, lParam);
    } else {
        const std::size_t top = it->second.layers.size() - 1;
        // A copy: the subclass may add or remove subclasses while it runs.
        const Layer layer = it->second.layers[top];
        result = Run(window, layer, top, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        it = chains.find(window);
        if (it != chains.end()) {
            SetWindowLongPtrW(window, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(it->second.original));
            chains.erase(it);
        }
    }
    return result;
}

}  // namespace

bool AddSubclass(HWND window, SubclassProc proc, void* data) {
    if (!IsWindow(window) || !proc)
        return false;
    auto [it, added] = chains.try_emplace(window);
    if (added) {
        SetLastError(0);
        const LONG_PTR previous =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Dispatch));
        if (!previous && GetLastError() != 0) {
            chains.erase(it);
            return false;
        }
        it->second.original = reinterpret_cast<WNDPROC>(previous);
    }
    for (Layer& layer : it->second.layers) {
        if (layer.proc == proc) {
            layer.data = data;
            return true;
        }
    }
    it->second.layers.push_back({proc, data});
    return true;
}

void RemoveSubclass(HWND window, SubclassProc proc) {
    const auto it = chains.find(window);
    if (it == chains.end())
        return;
    std::vector<Layer>& layers = it->second.layers;
    for (auto layer = layers.begin(); layer != layers.end(); ++layer) {
        if (layer->proc == proc) {
            layers.erase(layer);
            break;
        }
    }
    // The window's own procedure comes back unless someone has subclassed it over ours; then
    // the chain stays, passing messages straight on.
    const bool ours =
        GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Dispatch);
    if (layers.empty() && ours && running.empty()) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.original));
        chains.erase(it);
    }
}

LRESULT CallNextSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = chains.find(window);
    if (it == chains.end())
        return DefWindowProcW(window, message, wParam, lParam);
    const std::vector<Layer>& layers = it->second.layers;
    std::size_t below = running.empty() ? 0 : running.back();
    if (below > layers.size())
        below = layers.size();
    if (below == 0)
        return CallWindowProcW(it->second.original, window, message, wParam, lParam);
    const Layer layer = layers[below - 1];
    return Run(window, layer, below - 1, message, wParam, lParam);
}

}  // namespace tallowick
