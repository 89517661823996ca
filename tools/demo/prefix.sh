# Sourced from the repository's root: the demo's own Wine prefix inside the
# build tree (the X driver, no audio devices), made once, and the registry of
# an installation in build/win64/demo/ (staged by tools/demo/stage.sh),
# written at every start:
# - "Directory" "Path": the folder, with its trailing backslash;
# - "Language" "Value": English, as the installer writes it. Written again
#   at every run of the main job or a capture script, so a language chosen
#   in an earlier run (the demo's --language, its "Virtual headset" window,
#   demo_ctl) does not stay; the demo's --language stores its name after this;
# - stored headphone and microphone presets (Rock, Speech);
# - two of the "Talk" buttons' programs (Soft Phone, Voice Chat); the others
#   stay unmapped and offer the Control Panel;
# - a player for the "Audio" buttons: the most recent program that opened
#   ".mp3" files, with its open command.
export WINEPREFIX="$PWD/build/win64/demo-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.tavimo-ready" ]; then
    mkdir -p "$WINEPREFIX"
    {
        wineboot -i
        wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f
        wineserver -w
    } </dev/null >"$WINEPREFIX/setup.log" 2>&1
    touch "$WINEPREFIX/.tavimo-ready"
fi

# A .reg string holds each backslash twice.
tavimo_folder=$(winepath -w build/win64/demo | sed 's/\\/\\\\/g')
cat >"$WINEPREFIX/tavimo-demo.reg" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Quorvel\\Tavimo\\Directory]
"Path"="$tavimo_folder\\\\"

[HKEY_LOCAL_MACHINE\\Software\\Quorvel\\Tavimo\\Language]
"Value"="English"

[HKEY_LOCAL_MACHINE\\Software\\Quorvel\\Tavimo\\HeadsetEQ]
"Value"="4"

[HKEY_LOCAL_MACHINE\\Software\\Quorvel\\Tavimo\\MicEQ]
"Value"="1"

[HKEY_LOCAL_MACHINE\\Software\\Quorvel\\Tavimo\\Talk]
"SoftPhone0"="C:\\\\windows\\\\system32\\\\notepad.exe"
"Chat0"="C:\\\\Program Files\\\\Windows NT\\\\Accessories\\\\wordpad.exe"

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.mp3\\OpenWithList]
"MRUList"="a"
"a"="wmplayer.exe"

[HKEY_CLASSES_ROOT\\Applications\\wmplayer.exe\\Shell\\Open\\command]
@="\\"C:\\\\Program Files\\\\Windows Media Player\\\\wmplayer.exe\\" \\"%1\\""
REG
wine regedit /S "$WINEPREFIX/tavimo-demo.reg" </dev/null >/dev/null 2>&1
unset tavimo_folder
