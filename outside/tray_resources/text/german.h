// German texts of the tray agent's library (UTF-8).
#define TRAY_LANGUAGE LANG_GERMAN, SUBLANG_GERMAN
#define TRAY_TIP "Tavimo USB-Headset"
#define TRAY_TIP_FIRST_ICON "Tavimo: Doppelklicken, um das Control Center zu öffnen"
#define TRAY_TIP_SECOND_ICON "Tavimo: Menü mit der rechten Maustaste öffnen"
#define TRAY_MENU_OPEN "Control Center ö&ffnen"
#define TRAY_MENU_NOTIFICATIONS "Be&nachrichtigungen anzeigen"
#define TRAY_MENU_CLEAR_TRACE "Protokoll &löschen"
#define TRAY_MENU_CHANGE_ICON "&Symbol wechseln"
#define TRAY_MENU_ABOUT "&Info..."
#define TRAY_MENU_EXIT "&Beenden"
#define TRAY_ABOUT_TITLE "Info über Tavimo Tray"
#define TRAY_ABOUT_NAME "Tavimo-Infobereichssymbol, Version"
#define TRAY_ABOUT_PURPOSE \
    "Stellt die Equalizer-Voreinstellungen des Headsets nach dem Standbymodus wieder her."
#define TRAY_OK "OK"
