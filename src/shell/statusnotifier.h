#pragma once
// Whether the desktop shows tray icons as StatusNotifier items (KDE Plasma, GNOME with the
// AppIndicator extension, Xfce, Cinnamon, ...) rather than in an XEmbed notification area.

// True when a StatusNotifier watcher on the session bus has a host registered: then Qt
// publishes the tray icon as an item on the bus, as it decides by the same question.
bool desktopHostsStatusNotifierItems();
