-- The rows a fresh office starts with. The company details are placeholders
-- that the office replaces under Company > Edit My Info: an Ontario office,
-- which charges one tax, the HST at 13 %.

BEGIN;

INSERT INTO TblMyCompanyInfo
    (CompanyName, Address, City, Prov, PostalCode, Phone, Cell, email, vendor, GST_Number,
     GSTRate, PSTRate, GSTName, PSTName, PSTNumber)
VALUES
    ('Your Company Name', '123 Main Street', 'Your City', 'ON', 'A1A1A1',
     '', '', '', '', '', 13000, 0, 'HST', '', '');

-- The delivered administrator. Change the password under Tools > Users...
INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level)
VALUES ('System', 'Administrator', 'admin', 'admin', 3);

COMMIT;
