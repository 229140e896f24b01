%PDF-1.4
%‚„œ”
1 0 obj
<< /Type /Catalog >>
endobj
