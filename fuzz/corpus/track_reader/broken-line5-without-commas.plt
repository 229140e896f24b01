OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in Feet
Reserved 3
no commas here
3
55.750000,37.610000,0,500,40000.5000000,,
55.751000,37.612000,0,505,40000.5010000,,
55.752000,37.614000,0,510,40000.5020000,,
