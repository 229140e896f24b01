OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in Feet
Reserved 3
0,2,255,Broken,0,0,2,8421376
3
55.750000,37.610000,0,500,40000.5000000,,
55.751,37.612,0,505,40000.501
