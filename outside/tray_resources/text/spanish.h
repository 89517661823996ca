// Spanish texts of the tray agent's library (UTF-8).
#define TRAY_LANGUAGE LANG_SPANISH, SUBLANG_SPANISH_MODERN
#define TRAY_TIP "Auriculares USB Tavimo"
#define TRAY_TIP_FIRST_ICON "Tavimo: haga doble clic para abrir el Control Center"
#define TRAY_TIP_SECOND_ICON "Tavimo: haga clic con el botón secundario para ver el menú"
#define TRAY_MENU_OPEN "A&brir el Control Center"
#define TRAY_MENU_NOTIFICATIONS "Mostrar &notificaciones"
#define TRAY_MENU_CLEAR_TRACE "Borrar el &registro"
#define TRAY_MENU_CHANGE_ICON "Cambiar &icono"
#define TRAY_MENU_ABOUT "&Acerca de..."
#define TRAY_MENU_EXIT "&Salir"
#define TRAY_ABOUT_TITLE "Acerca de Tavimo Tray"
#define TRAY_ABOUT_NAME "Icono de notificación de Tavimo, versión"
#define TRAY_ABOUT_PURPOSE \
    "Restablece los preajustes de EQ de los auriculares después del modo de espera."
#define TRAY_OK "Aceptar"
