# The About box; the same format as dialog102.tpl. "\n" in a text is a line break. An image
# takes the size of its picture, so only its place is given.
DIALOG	100	235,73	sysmenu|modalframe	Tallaroのﾊﾞｰｼﾞｮﾝ情報
FONT	9	ＭＳ Ｐゴシック|IPAPGothic
ICON	-1	11,17,0,0		128
LABEL	-1	69,16,91,28		ＧＲＡＮＤＮＵＭ計算ｴﾝｼﾞﾝ\n\n     Version 1.0
LABEL	-1	48,51,119,8		無保証のフリーソフトです
BUTTON	1	178,7,50,14	default|tabstop	OK
