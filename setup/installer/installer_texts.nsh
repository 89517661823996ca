; The setup program's own texts in the suite's six languages, and the
; language name stored for the suite ("Language" "Value"). Written in UTF-8
; with a byte-order mark: makensis converts each text to its language's code
; page.

; A key with no values: written with a default value, which then goes.
!macro CreateEmptyKey key
    WriteRegStr HKLM "${key}" "" ""
    DeleteRegValue HKLM "${key}" ""
!macroend

LangString LanguageName ${LANG_ENGLISH} "English"
LangString LanguageName ${LANG_DUTCH} "Dutch"
LangString LanguageName ${LANG_FRENCH} "French"
LangString LanguageName ${LANG_GERMAN} "German"
LangString LanguageName ${LANG_ITALIAN} "Italian"
LangString LanguageName ${LANG_SPANISH} "Spanish"

LangString DriverRestart ${LANG_ENGLISH} "The headset driver is installed. Restart Windows to complete the installation."
LangString DriverRestart ${LANG_DUTCH} "Het stuurprogramma van de headset is geïnstalleerd. Start Windows opnieuw om de installatie te voltooien."
LangString DriverRestart ${LANG_FRENCH} "Le pilote du casque est installé. Redémarrez Windows pour terminer l'installation."
LangString DriverRestart ${LANG_GERMAN} "Der Headset-Treiber ist installiert. Starten Sie Windows neu, um die Installation abzuschließen."
LangString DriverRestart ${LANG_ITALIAN} "Il driver della cuffia è installato. Riavviare Windows per completare l'installazione."
LangString DriverRestart ${LANG_SPANISH} "El controlador de los auriculares está instalado. Reinicie Windows para completar la instalación."

LangString DriverIncomplete ${LANG_ENGLISH} "The headset driver installation is not complete. Plug in the headset and run PARSEDRV in the Tavimo installation directory."
LangString DriverIncomplete ${LANG_DUTCH} "De installatie van het stuurprogramma van de headset is niet voltooid. Sluit de headset aan en start PARSEDRV in de installatiemap van Tavimo."
LangString DriverIncomplete ${LANG_FRENCH} "L'installation du pilote du casque n'est pas terminée. Branchez le casque et lancez PARSEDRV dans le dossier d'installation de Tavimo."
LangString DriverIncomplete ${LANG_GERMAN} "Die Installation des Headset-Treibers ist nicht abgeschlossen. Schließen Sie das Headset an und starten Sie PARSEDRV im Installationsordner von Tavimo."
LangString DriverIncomplete ${LANG_ITALIAN} "L'installazione del driver della cuffia non è completa. Collegare la cuffia ed eseguire PARSEDRV nella cartella di installazione di Tavimo."
LangString DriverIncomplete ${LANG_SPANISH} "La instalación del controlador de los auriculares no está completa. Conecte los auriculares y ejecute PARSEDRV en la carpeta de instalación de Tavimo."

LangString DriverFromMaker ${LANG_ENGLISH} "The headset driver is not part of this setup: install it from the disc or web site of the headset's maker."
LangString DriverFromMaker ${LANG_DUTCH} "Het stuurprogramma van de headset hoort niet bij deze installatie: installeer het van de schijf of website van de fabrikant van de headset."
LangString DriverFromMaker ${LANG_FRENCH} "Le pilote du casque ne fait pas partie de cette installation : installez-le depuis le disque ou le site web du fabricant du casque."
LangString DriverFromMaker ${LANG_GERMAN} "Der Headset-Treiber gehört nicht zu dieser Installation: Installieren Sie ihn von der CD oder Website des Headset-Herstellers."
LangString DriverFromMaker ${LANG_ITALIAN} "Il driver della cuffia non fa parte di questa installazione: installarlo dal disco o dal sito web del produttore della cuffia."
LangString DriverFromMaker ${LANG_SPANISH} "El controlador de los auriculares no forma parte de esta instalación: instálelo desde el disco o el sitio web del fabricante."

LangString DriverSkipped ${LANG_ENGLISH} "Headset driver step skipped (/NODRIVER)."
LangString DriverSkipped ${LANG_DUTCH} "Stap voor het stuurprogramma van de headset overgeslagen (/NODRIVER)."
LangString DriverSkipped ${LANG_FRENCH} "Étape du pilote du casque ignorée (/NODRIVER)."
LangString DriverSkipped ${LANG_GERMAN} "Schritt für den Headset-Treiber übersprungen (/NODRIVER)."
LangString DriverSkipped ${LANG_ITALIAN} "Passaggio del driver della cuffia saltato (/NODRIVER)."
LangString DriverSkipped ${LANG_SPANISH} "Paso del controlador de los auriculares omitido (/NODRIVER)."
