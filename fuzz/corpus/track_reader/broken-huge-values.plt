OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in Feet
Reserved 3
0,2,255,Broken,0,0,2,8421376
3
1e300,-1e300,0,-2147483648,-1e300,,
-1e300,1e300,7,2147483647,1e300,,
1e-300,1e-300,1,0,1.7976931348623157e308,,
