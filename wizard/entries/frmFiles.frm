; frmFiles: the persisted properties of the File Descriptions dialog's buttons, in the wizard's look.

[cmdOK]
ProgID=Corvixes.KroText
_extentx=2249
_extenty=635
tooltip=Finish Wizard and create menu
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

[cmdCancel]
ProgID=Corvixes.KroText
_extentx=2249
_extenty=635
tooltip=Finish Wizard and create menu
backcolor=0x8000000F
backstyle=1
bordercolor=0x00FFFFFF
borderstyle=1
caption=Cancel
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
