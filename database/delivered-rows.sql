-- The rows a fresh office starts with. The company details are placeholders
-- that the office replaces under Company > Edit My Info.

BEGIN;

INSERT INTO TblMyCompanyInfo
    (CompanyName, Address, City, Prov, PostalCode, Phone, Cell, email, vendor, gst, pst, GST_Number)
VALUES
    ('Your Company Name', '123 Main Street', 'Your City', 'ON', 'A1A1A1',
     '', '', '', '', 5, 8, '');

-- The delivered administrator. Change the password under Tools > Users...
INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level)
VALUES ('System', 'Administrator', 'admin', 'admin', 3);

COMMIT;
