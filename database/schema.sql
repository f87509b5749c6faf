-- The Quillbill database: every business record of one office.
--
-- Conventions kept by every table:
--   * required text is NOT NULL and never the empty string;
--   * yes/no columns hold -1 (yes) and 0 (no);
--   * dates are ISO 'YYYY-MM-DD' text, so that BETWEEN compares them correctly;
--   * money is exact: whole ten-thousandths of the currency unit in an INTEGER.
--
-- application_id marks the file as ours ('QBIL'); user_version is the schema
-- version that the program checks when it opens the file. A change of design
-- raises it: the design of each earlier version stays in schema-v<N>.sql,
-- and records/SchemaUpgrade brings a file of it up to this one.

PRAGMA application_id = 1363298636;
PRAGMA user_version = 5;

BEGIN;

-- Hidden (yes/no): a customer who has invoices is never deleted, since
-- reprints and reports reach invoices through the customer; it is hidden
-- instead, and is no longer offered for new invoices. Version 2 added the
-- column, as the last one (ALTER TABLE puts it there in an upgraded file).
CREATE TABLE TblCustomer (
    CustomerID  INTEGER PRIMARY KEY AUTOINCREMENT,
    Company     TEXT NOT NULL CHECK (Company <> ''),
    Address     TEXT NOT NULL CHECK (Address <> ''),
    City        TEXT NOT NULL CHECK (City <> ''),
    Prov        TEXT NOT NULL CHECK (Prov <> ''),
    Postal      TEXT NOT NULL CHECK (Postal <> ''),
    Phone       TEXT,
    Fax         TEXT,
    BillingCode TEXT NOT NULL CHECK (BillingCode <> ''),
    Hidden      INTEGER NOT NULL DEFAULT 0 CHECK (Hidden IN (-1, 0))
);
CREATE INDEX IdxCustomerCompany ON TblCustomer (Company);
CREATE INDEX IdxCustomerBillingCode ON TblCustomer (BillingCode);

-- One invoice number sequence per billing code; the first invoice of a new
-- code is number 1.
CREATE TABLE TblBillingCodes (
    BillCode      TEXT,
    InvoiceNumber INTEGER NOT NULL DEFAULT 0 CHECK (typeof(InvoiceNumber) = 'integer')
);
CREATE INDEX IdxBillingCodesBillCode ON TblBillingCodes (BillCode);

-- An invoice is the pair (CustomerID, InvoiceID). It keeps the taxes it was
-- made with: the rates (thousandths of a per cent, as in
-- TblMyCompanyInfo) and names in force when its number was given. They are
-- NULL on invoices made before they were kept, which take the company's.
--
-- Status: 0 a draft, which can still be corrected; 1 issued, once its
-- document first left the office (printed, saved as PDF or mailed), after
-- which neither it nor its jobs change. IssuedAt (UTC, ISO 8601) and
-- IssuedBy say when and by whom; Bill* keep the customer's billing address
-- as the issued document printed it (TblIssuedCompany keeps the header).
-- Invoices from before drafts were kept are issued when they have jobs,
-- with none of these recorded. CreditFor marks a credit note: the InvoiceID
-- of the same customer's invoice it corrects.
CREATE TABLE TblInvoice (
    InvoiceID  INTEGER NOT NULL CHECK (typeof(InvoiceID) = 'integer'),
    CustomerID INTEGER NOT NULL CHECK (typeof(CustomerID) = 'integer'),
    Date       TEXT CHECK (Date IS NULL OR Date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    Paid       INTEGER NOT NULL DEFAULT 0 CHECK (Paid IN (-1, 0)),
    PaidDate   TEXT CHECK (PaidDate IS NULL OR PaidDate GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    Discount   INTEGER NOT NULL DEFAULT 0 CHECK (typeof(Discount) = 'integer'),
    GSTRate    INTEGER CHECK (GSTRate IS NULL OR (typeof(GSTRate) = 'integer' AND GSTRate BETWEEN 0 AND 100000)),
    PSTRate    INTEGER CHECK (PSTRate IS NULL OR (typeof(PSTRate) = 'integer' AND PSTRate BETWEEN 0 AND 100000)),
    GSTName    TEXT,
    PSTName    TEXT,
    Status     INTEGER NOT NULL DEFAULT 0 CHECK (Status IN (0, 1)),
    IssuedAt   TEXT,
    IssuedBy   TEXT,
    BillCompany  TEXT,
    BillAddress  TEXT,
    BillCityLine TEXT,
    CreditFor  INTEGER CHECK (CreditFor IS NULL OR typeof(CreditFor) = 'integer')
);
CREATE UNIQUE INDEX IdxInvoiceCustomerInvoice ON TblInvoice (CustomerID, InvoiceID);
CREATE INDEX IdxInvoiceDate ON TblInvoice (Date);

CREATE TABLE TblJobs (
    JobID          INTEGER PRIMARY KEY,
    CustomerID     INTEGER NOT NULL CHECK (typeof(CustomerID) = 'integer'),
    InvoiceID      INTEGER NOT NULL CHECK (typeof(InvoiceID) = 'integer'),
    JobDescription TEXT NOT NULL CHECK (JobDescription <> ''),
    Sums           INTEGER NOT NULL CHECK (typeof(Sums) = 'integer')
);
CREATE INDEX IdxJobsCustomerInvoice ON TblJobs (CustomerID, InvoiceID);

-- Exactly one row: the office's own company, printed on every invoice.
-- Its two taxes: rates in thousandths of a per cent (9.975 % is 9975), exact,
-- 0 to 100 %; the names the invoice prints them by ("GST", "HST", "QST"; a
-- second tax of no name and no rate prints no line); and the registration
-- numbers, GST_Number for the federal tax and PSTNumber for the provincial.
CREATE TABLE TblMyCompanyInfo (
    CompanyName TEXT NOT NULL CHECK (CompanyName <> ''),
    Address     TEXT NOT NULL CHECK (Address <> ''),
    City        TEXT NOT NULL CHECK (City <> ''),
    Prov        TEXT NOT NULL CHECK (Prov <> ''),
    PostalCode  TEXT NOT NULL CHECK (PostalCode <> ''),
    Phone       TEXT,
    Cell        TEXT,
    email       TEXT,
    vendor      TEXT,
    GST_Number  TEXT,
    GSTRate     INTEGER NOT NULL DEFAULT 0 CHECK (typeof(GSTRate) = 'integer' AND GSTRate BETWEEN 0 AND 100000),
    PSTRate     INTEGER NOT NULL DEFAULT 0 CHECK (typeof(PSTRate) = 'integer' AND PSTRate BETWEEN 0 AND 100000),
    GSTName     TEXT NOT NULL DEFAULT 'GST',
    PSTName     TEXT NOT NULL DEFAULT 'PST',
    PSTNumber   TEXT
);

-- A user added through the users window gets the lowest level that still
-- logs in; an administrator raises it.
CREATE TABLE TblUsers (
    First_Name TEXT,
    Last_Name  TEXT,
    UserName   TEXT,
    Password   TEXT,
    Level      INTEGER DEFAULT 1
);
CREATE INDEX IdxUsersUserName ON TblUsers (UserName);

-- At most one row: the invoice that the invoice document is produced for next.
CREATE TABLE TblBuildInvoiceData (
    InvoiceID  INTEGER,
    CustomerID INTEGER
);

-- The office's company as an issued invoice's header printed it, one row
-- for each company row there was, in their order (Position from 0).
CREATE TABLE TblIssuedCompany (
    CustomerID  INTEGER NOT NULL,
    InvoiceID   INTEGER NOT NULL,
    Position    INTEGER NOT NULL,
    CompanyName TEXT,
    Address     TEXT,
    CityLine    TEXT,
    Phone       TEXT,
    Cell        TEXT,
    Email       TEXT,
    Vendor      TEXT,
    GSTNumber   TEXT,
    PSTNumber   TEXT
);
CREATE UNIQUE INDEX IdxIssuedCompanyInvoice ON TblIssuedCompany (CustomerID, InvoiceID, Position);

-- What happened to each invoice, in order: the program adds lines and never
-- changes or removes one. At is UTC, ISO 8601; Event names what happened
-- and Detail, JSON, what it was (a job before and after, a payment's date).
CREATE TABLE TblInvoiceHistory (
    HistoryID  INTEGER PRIMARY KEY,
    CustomerID INTEGER NOT NULL,
    InvoiceID  INTEGER NOT NULL,
    At         TEXT NOT NULL,
    UserName   TEXT,
    Event      TEXT NOT NULL,
    Detail     TEXT
);
CREATE INDEX IdxInvoiceHistoryInvoice ON TblInvoiceHistory (CustomerID, InvoiceID);

-- The payments received for each invoice (or credit note), and the lines that
-- reverse one recorded by mistake: Reverses names it, and Amount is its
-- negative; a payment is reversed once at most. Amounts are ten-thousandths,
-- whole cents; PaidOn is the day the money came in; RecordedAt is UTC.
CREATE TABLE TblPayment (
    PaymentID  INTEGER PRIMARY KEY,
    CustomerID INTEGER NOT NULL CHECK (typeof(CustomerID) = 'integer'),
    InvoiceID  INTEGER NOT NULL CHECK (typeof(InvoiceID) = 'integer'),
    Amount     INTEGER NOT NULL CHECK (typeof(Amount) = 'integer' AND Amount <> 0 AND Amount % 100 = 0),
    PaidOn     TEXT NOT NULL CHECK (PaidOn GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    Method     TEXT NOT NULL CHECK (Method IN ('cheque', 'cash', 'transfer', 'card', 'other')),
    Reverses   INTEGER UNIQUE CHECK (Reverses IS NULL OR typeof(Reverses) = 'integer'),
    RecordedAt TEXT NOT NULL,
    RecordedBy TEXT
);
CREATE INDEX IdxPaymentInvoice ON TblPayment (CustomerID, InvoiceID);

COMMIT;
