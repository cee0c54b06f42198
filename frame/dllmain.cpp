// Entry point: attach sets up the module state and registers the classes,
// detach takes them down again.
#include "frame/module.h"

namespace {

void Attach(HINSTANCE instance) {
    rz::ModuleState &m = rz::g_module;
    m.instance = instance;
    m.baseButton = rz::BaseClass{};
    m.baseStatic = rz::BaseClass{};
    rz::RefreshSysColorBrushes();
    rz::RegisterControlClasses(instance);  // a failure leaves the earlier rows registered
    for (int i = 0; i < rz::kBroadcastSlots; ++i) {
        m.broadcastWindows[i] = nullptr;
        m.broadcastGroups[i] = 0;
    }
    m.broadcastCount = 0;
}

void Detach(HINSTANCE instance) {
    rz::ModuleState &m = rz::g_module;
    rz::UnregisterControlClasses(instance);
    if (m.faceBrush)
        DeleteObject(m.faceBrush);
    m.faceBrush = nullptr;
    m.faceColor = 0;
    if (m.shadowBrush)
        DeleteObject(m.shadowBrush);
    m.shadowBrush = nullptr;
    m.shadowColor = 0;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        Attach(instance);
        break;
    case DLL_PROCESS_DETACH:
        Detach(instance);
        break;
    default:
        break;
    }
    return TRUE;
}
