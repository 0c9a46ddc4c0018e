# The main dialog. One line per item, fields separated by tabs:
#   DIALOG  id  width,height  styles  caption
#   FONT    points  family|fallback family...
#   KIND    id  x,y,width,height  styles  text
# Rectangles are in dialog units. The controls are created in the order they stand here, so the
# first one is the dialog's first child. Id -1 marks a label or frame that nothing refers to.
DIALOG	102	505,298	sysmenu|minimizebox|maximizebox|sizable	GRANDNUM計算エンジン
FONT	13	ＭＳ ゴシック|IPAGothic
BUTTON	1	496,39,9,14	default|hidden	OK
BUTTON	2	494,56,11,14	hidden	ｷｬﾝｾﾙ
EDIT	1000	63,25,213,50	multiline|right|vscroll|autovscroll|border|tabstop	
EDIT	1001	63,103,213,50	multiline|right|vscroll|autovscroll|border|tabstop	
EDIT	1002	33,203,266,76	multiline|vscroll|autovscroll|keepselection|border|readonly	
BUTTON	1003	82,165,34,25	tabstop	A＋B
BUTTON	1004	129,165,34,25	tabstop	A－B
BUTTON	1005	176,165,34,25	tabstop	A×B
BUTTON	1006	223,165,34,25	tabstop	A÷B
LABEL	-1	278,88,11,8		桁
LABEL	-1	347,140,54,8	right	少数部の桁数
EDIT	1007	344,66,46,15	center|autohscroll|border|readonly	
EDIT	1008	412,66,46,15	center|autohscroll|border|readonly	
EDIT	1009	385,31,72,15	center|autohscroll|border|readonly	
EDIT	1010	346,222,42,13	center|autohscroll|border|readonly	
EDIT	1011	412,222,42,13	center|autohscroll|border|readonly	
EDIT	1012	406,136,49,15	right|autohscroll|border|tabstop	
LABEL	-1	42,29,18,8		(A)=
LABEL	-1	42,107,17,8		(B)=
LABEL	1014	63,14,212,10	right	0
LABEL	1015	63,88,212,12	right	0
LABEL	-1	278,14,14,12		桁
LABEL	-1	10,205,21,8		(答)=
GROUPBOX	-1	331,121,140,39	flat	計算条件の設定
GROUPBOX	-1	318,14,168,79		計算結果の情報
LABEL	-1	348,35,33,8		所要時間
LABEL	-1	353,56,39,9		整数桁数
LABEL	-1	418,56,39,9		少数桁数
CHECKBOX	1016	368,176,77,16	tabstop	循環小数の表示
GROUPBOX	-1	331,168,144,82	flat	循環小数
LABEL	-1	361,212,20,8		先頭
LABEL	-1	425,212,20,8		後尾
LABEL	-1	392,224,9,12		位
LABEL	-1	456,224,9,12		位
BUTTON	1017	338,269,133,18	tabstop	(答)をクリップボードにコピー
BITMAP	1018	492,0,13,13	notify|hidden	131
GROUPBOX	-1	318,103,168,154		除算関係
GROUPBOX	-1	339,201,130,42	flat|center	循　環　節
