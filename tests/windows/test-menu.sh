# Sourced by the Windows tests: menu 1 in a Velmora.dat that velmora.exe has made, "Über Menü" with one entry,
# Tools/setup.exe, its CD root a Unix folder that Wine reaches through Z:.
#   windows_test_menu DATABASE ROOT
windows_test_menu() {
    local database=$1 root="Z:$2"
    mkdir -p "$2/Tools"
    printf 'MZ' >"$2/Tools/setup.exe"
    sqlite3 "$database" "
  INSERT INTO tblStyles (StyleID,StyleName,BackColor,BackImage,SoundFile,LogoFile,LogoTop,LogoLeft,ButtonOnImage,
    ButtonOffImage,TitleFont,TitleColor,ButtonFont,ButtonColor,TextFont,TextColor,HyperFont,HyperColor,HyperColorA)
  VALUES (1,'Plain','16777215','none','none','none','0','0','none','none','Arial;14pt;bold','RGB(0,0,0)',
    'Arial;10pt;bold','RGB(0,0,0)','Arial;10pt;normal','RGB(0,0,0)','Arial;10pt;normal','RGB(0,0,255)','RGB(0,0,255)');
  INSERT INTO tblMenus (MenuID,Template,Title,StyleNo,Root) VALUES (1,'Modern','Über Menü',1,'${root//\//\\}');
  INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot)
    VALUES (1,'Tools','Setup','Tools/setup.exe','Installs it','none');"
}
