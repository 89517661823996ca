// French texts of the tray agent's library (UTF-8).
#define TRAY_LANGUAGE LANG_FRENCH, SUBLANG_FRENCH
#define TRAY_TIP "Micro-casque USB Tavimo"
#define TRAY_TIP_FIRST_ICON "Tavimo : double-cliquez pour ouvrir le Control Center"
#define TRAY_TIP_SECOND_ICON "Tavimo : cliquez avec le bouton droit pour afficher le menu"
#define TRAY_MENU_OPEN "&Ouvrir le Control Center"
#define TRAY_MENU_NOTIFICATIONS "Afficher les &notifications"
#define TRAY_MENU_CLEAR_TRACE "&Effacer le journal"
#define TRAY_MENU_CHANGE_ICON "&Changer d'icône"
#define TRAY_MENU_ABOUT "À &propos..."
#define TRAY_MENU_EXIT "&Quitter"
#define TRAY_ABOUT_TITLE "À propos de Tavimo Tray"
#define TRAY_ABOUT_NAME "Icône de notification Tavimo, version"
#define TRAY_ABOUT_PURPOSE \
    "Rétablit les préréglages d'égaliseur du micro-casque après la mise en veille."
#define TRAY_OK "OK"
