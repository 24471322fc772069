// How the window's controls meet assistive technology: the interfaces of the window's own making,
// installed once, and a way to make a control's interface anew after it changed kind.
#pragma once

class QObject;

namespace tarvand {

// Installs, once a process, the factories of the window's own interfaces: the close mark's
// button and the result boxes' read-only text.
void InstallAccessibleFactories();

// Takes a control; drops the interface assistive technology had for it, if any, so that the next
// one is made for it as it is now.
void RenewAccessible(QObject* control);

}  // namespace tarvand
