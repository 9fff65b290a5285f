; frmAbout: the persisted properties of the About box's buttons.
; OK and System Info have the wizard's look; KroText1 is a link to the maker's web page, which the About box
; fills in from the build setting that holds it, and leaves out when the build names none.

[cmdOK]
ProgID=Corvixes.KroText
_extentx=2249
_extenty=635
tooltip=Close window
backcolor=0x8000000F
backstyle=1
bordercolor=0x00FFFFFF
borderstyle=1
caption=OK
font=MS Sans Serif;9.75;Regular
forecolor=0x00800000
shape=4
hovereffect=True
shadow=True
hypercolor=0x00FF8080
backcoloractive=0x00FFFFFF
backstyleactive=1
bordercoloractive=0x00FF8080
borderstyleactive=1

[cmdSysInfo]
ProgID=Corvixes.KroText
_extentx=2249
_extenty=635
tooltip=display system information
backcolor=0x8000000F
backstyle=1
bordercolor=0x00FFFFFF
borderstyle=1
caption=System Info
font=MS Sans Serif;9.75;Regular
forecolor=0x00800000
shape=4
hovereffect=True
shadow=True
hypercolor=0x00FF8080
backcoloractive=0x00FFFFFF
backstyleactive=1
bordercoloractive=0x00FF8080
borderstyleactive=1

[KroText1]
ProgID=Corvixes.KroText
_extentx=9022
_extenty=556
backcolor=0x00FFFFFF
backstyle=0
bordercolor=0x00FFFFFF
borderstyle=0
font=MS Sans Serif;9.75;Underline
forecolor=0x00800000
shape=0
hovereffect=True
shadow=False
hypercolor=0x00FF0000
backcoloractive=0x00000000
backstyleactive=0
bordercoloractive=0x00000000
borderstyleactive=0
