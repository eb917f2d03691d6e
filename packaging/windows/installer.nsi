; Ampora's setup program: per user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Ampora, in Simplified Chinese as the program itself. It installs the
; files listed in FILES (made by package.cmake from the installed tree) and registers an
; uninstaller that removes just those. Built by packaging/windows/package.cmake:
;   makensis -DVERSION=… -DCOPYRIGHT=… -DSTAGE=… -DFILES=… -DUNFILES=… -DICON=… -DLICENCE=…
;            -DPICTURES=… -DOUTFILE=… [-DSIGN=COMMAND] installer.nsi
; LICENCE is the licence page's text; PICTURES, an include naming the side pictures (AMPORA_SIDES,
; their sizes, and the macro AMPORA_EXTRACT_SIDES); SIGN, a command for the shell with %1 for the
; program, signs the installer and its uninstaller. The setup program runs this installer from a
; folder of its own (setup-launcher.cpp). Every text the pages show is Chinese; NSIS's own ones
; that carry a stray blank or name another button are given here anew.
Unicode true
Target amd64-unicode
SetCompressor /SOLID /FINAL lzma
SetDateSave off ; no build times inside: two builds of one tree give one setup file
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a} ; Windows 10 and 11

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinVer.nsh
!include "${PICTURES}"

!ifdef SIGN
    !finalize '${SIGN}' = 0
    !uninstfinalize '${SIGN}' = 0
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ampora"

Name "Ampora"
Caption "Ampora 安装"
UninstallCaption "Ampora 卸载"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ampora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Kestrune"
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "Ampora"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "Kestrune"
VIAddVersionKey /LANG=2052 "FileDescription" "Ampora 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Copyright © ${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_CUSTOMFUNCTION_GUIINIT ExtractSidePictures
!define MUI_WELCOMEFINISHPAGE_BITMAP "${AMPORA_SIDE_FIRST}"
!define MUI_WELCOMEPAGE_TEXT "此程序将引导你完成 Ampora ${VERSION} 的安装。$\r$\n$\r$\nAmpora 只为你自己安装，不需要管理员权限，也不改动系统文件。$\r$\n$\r$\n点击 [下一步(N)] 继续。"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowWelcomeSide
!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_TEXT_BOTTOM "如果你接受许可证的条款，请点击 [我接受(I)] 继续安装。你必须接受许可证才能安装 Ampora。"
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!define MUI_DIRECTORYPAGE_TEXT_TOP "安装程序将把 Ampora 安装到以下文件夹。要安装到其他文件夹，请点击 [浏览(B)...] 并选择。点击 [安装(I)] 开始安装。"
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "安装文件夹"
!insertmacro MUI_PAGE_DIRECTORY
; Where either stops before its end, it has changed nothing yet.
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "安装已停止"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "什么也没有改动。"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\ampora.exe"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowFinishSide
!insertmacro MUI_PAGE_FINISH
!define MUI_PAGE_HEADER_SUBTEXT "从本机卸载 Ampora。"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "此向导将从本机卸载 Ampora。点击 [卸载(U)] 开始卸载。"
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "卸载文件夹："
!insertmacro MUI_UNPAGE_CONFIRM
!define /redef MUI_INSTFILESPAGE_ABORTHEADER_TEXT "卸载已停止"
!define /redef MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "什么也没有改动。"
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString ^SpaceAvailable ${LANG_SIMPCHINESE} "可用空间："
LangString ^SpaceRequired ${LANG_SIMPCHINESE} "所需空间："
LangString ^DirBrowseText ${LANG_SIMPCHINESE} "请选择 Ampora 的安装文件夹："
LangString OldWindows ${LANG_SIMPCHINESE} "Ampora 需要 Windows 10（1809 版或更新）或 Windows 11。$\r$\n$\r$\n这台电脑的 Windows 版本太旧，无法运行 Ampora。什么也没有安装。"
LangString Running ${LANG_SIMPCHINESE} "Ampora 正在运行。请先关闭它，再点“重试”；点“取消”则退出，什么也不改动。"
LangString Unwritable ${LANG_SIMPCHINESE} "无法写入安装文件夹：$\r$\n$R1$\r$\n$\r$\n请选择另一个文件夹。什么也没有安装。"
LangString UnknownSwitch ${LANG_SIMPCHINESE} "无法识别的参数：$R1$\r$\n$\r$\n可用的参数：$\r$\n/S$\t静默安装$\r$\n/D=文件夹$\t安装到该文件夹（须放在最后）"

; Waits while the installed ampora.exe runs (Windows keeps a running program's file from being
; written): the user closes it and retries, or cancels, and STOP ends it with nothing changed.
!macro WaitWhileAmporaRuns STOP
    ${DoWhile} ${FileExists} "$INSTDIR\ampora.exe"
        ClearErrors
        FileOpen $0 "$INSTDIR\ampora.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDRETRY +2
        ${STOP}
    ${Loop}
!macroend

; The welcome and finish pages' picture: the side picture drawn for the picture's size in pixels,
; which the dialog font and the screen scale set, or else the nearest one, fitted.
Function ExtractSidePictures
    InitPluginsDir
    !insertmacro AMPORA_EXTRACT_SIDES
FunctionEnd
!macro ShowSide IMAGE BITMAP
    System::Call "user32::GetClientRect(p${IMAGE}, @r1)"
    System::Call "*$1(i, i, i .r2, i .r3)"
    StrCpy $R8 999999 ; the nearest so far: its distance and its size
    StrCpy $R7 1
    ${Do}
        ClearErrors
        ${WordFind} "${AMPORA_SIDES}" " " "E+$R7" $R6
        ${IfThen} ${Errors} ${|} ${Break} ${|}
        ${WordFind} $R6 "x" "+1" $R5
        ${WordFind} $R6 "x" "-1" $R4
        IntOp $R5 $R5 - $2
        IntOp $R4 $R4 - $3
        ${IfThen} $R5 < 0 ${|} IntOp $R5 0 - $R5 ${|}
        ${IfThen} $R4 < 0 ${|} IntOp $R4 0 - $R4 ${|}
        IntOp $R5 $R5 + $R4
        ${If} $R5 < $R8
            StrCpy $R8 $R5
            StrCpy $R9 $R6
        ${EndIf}
        IntOp $R7 $R7 + 1
    ${Loop}
    ${NSD_FreeImage} ${BITMAP}
    ${NSD_SetStretchedImage} ${IMAGE} "$PLUGINSDIR\side-$R9.bmp" ${BITMAP}
!macroend
Function ShowWelcomeSide
    !insertmacro ShowSide $mui.WelcomePage.Image $mui.WelcomePage.Image.Bitmap
FunctionEnd
Function ShowFinishSide
    !insertmacro ShowSide $mui.FinishPage.Image $mui.FinishPage.Image.Bitmap
FunctionEnd

Function .onInit
    ; Qt 6 runs on Windows 10 1809 (build 17763) and later: refuse an older Windows at once.
    ${IfNot} ${AtLeastWin10}
    ${OrIfNot} ${AtLeastBuild} 17763
        MessageBox MB_OK|MB_ICONSTOP "$(OldWindows)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    ; The installer takes /S, /NCRC and, last, /D=folder; anything else is refused.
    ${GetParameters} $R0
    StrCpy $R1 ""
    ${Do}
        ${If} $R0 == ""
            ${Break}
        ${EndIf}
        StrCpy $R2 $R0 1
        ${If} $R2 == " "
            StrCpy $R0 $R0 "" 1
            ${Continue}
        ${EndIf}
        StrCpy $R2 $R0 3
        ${If} $R2 == "/D="
            ${Break} ; the folder, which may hold blanks, is the rest
        ${EndIf}
        StrCpy $R3 0 ; the next word: up to a blank or the end
        ${Do}
            StrCpy $R2 $R0 1 $R3
            ${If} $R2 == " "
            ${OrIf} $R2 == ""
                ${Break}
            ${EndIf}
            IntOp $R3 $R3 + 1
        ${Loop}
        StrCpy $R1 $R0 $R3
        StrCpy $R0 $R0 "" $R3
        ${If} $R1 != "/S"
        ${AndIf} $R1 != "/NCRC"
            MessageBox MB_OK|MB_ICONSTOP "$(UnknownSwitch)" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${Loop}
    ; NSIS passes over a /D= folder it finds unusable (below a file, say) and would install into
    ; the default one instead: refuse, as for a folder that cannot be written.
    System::Call "kernel32::GetCommandLine() t .R0"
    ClearErrors
    ${WordFind} "$R0" " /D=" "E+1}" $R1
    ${IfNot} ${Errors}
    ${AndIf} $R1 != $INSTDIR
        MessageBox MB_OK|MB_ICONSTOP "$(Unwritable)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd

Section
    ; A folder that cannot be written stops the installation before anything is written.
    ClearErrors
    CreateDirectory "$INSTDIR"
    FileOpen $0 "$INSTDIR\ampora-setup.tmp" w
    ${If} ${Errors}
        StrCpy $R1 $INSTDIR
        MessageBox MB_OK|MB_ICONSTOP "$(Unwritable)" /SD IDOK
        Abort
    ${EndIf}
    FileClose $0
    Delete "$INSTDIR\ampora-setup.tmp"
    !insertmacro WaitWhileAmporaRuns Abort
    ; An earlier Ampora, here or in another folder, goes first with its own uninstaller: one
    ; program and one entry remain, and no file an older version had and this one has not.
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 != ""
    ${AndIf} ${FileExists} "$R0\uninstall.exe"
        ExecWait '"$R0\uninstall.exe" /S _?=$R0' $R1
        ${If} $R1 != 0
            Abort
        ${EndIf}
        Delete "$R0\uninstall.exe"
        RMDir "$R0"
    ${EndIf}
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Ampora.lnk" "$INSTDIR\ampora.exe" "" "" 0 SW_SHOWNORMAL "" \
        "估算电脑电源所需的功率"
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ampora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kestrune"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://kestrune.example/"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ampora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; NSIS runs the uninstaller from a copy in a folder of its own in TEMP, which it leaves behind
; when the copy ends: the system's command interpreter removes both two seconds later.
Function un.RemoveCopyFolderAfterwards
    ${If} $EXEDIR != $INSTDIR
        SetOutPath $TEMP ; not the folder to remove
        Exec '"$SYSDIR\cmd.exe" /d /c ping -n 3 127.0.0.1 >nul & del /f /q "$EXEPATH" & rd "$EXEDIR"'
    ${EndIf}
FunctionEnd

Function un.StopUnchanged
    Call un.RemoveCopyFolderAfterwards
    SetErrorLevel 2
    Quit
FunctionEnd

Function un.onInit
    ; Before any page: with Ampora running, nothing is uninstalled unless the user closes it.
    !insertmacro WaitWhileAmporaRuns "Call un.StopUnchanged"
FunctionEnd

Function un.onGUIEnd
    Call un.RemoveCopyFolderAfterwards
FunctionEnd

Function un.onUninstSuccess
    ${If} ${Silent}
        Call un.RemoveCopyFolderAfterwards
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; Just what the installer put there: a file of the user's keeps its folder.
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Ampora.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
