-- The colour library: one table, as the program reads and writes it. The checks make
-- the store itself refuse what does not fit a column, whoever writes to it.
CREATE TABLE Colors (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT CHECK (Name IS NULL OR (typeof(Name) = 'text' AND length(Name) <= 20)),
    RVal INTEGER CHECK (RVal IS NULL OR (typeof(RVal) = 'integer' AND RVal BETWEEN 0 AND 255)),
    GVal INTEGER CHECK (GVal IS NULL OR (typeof(GVal) = 'integer' AND GVal BETWEEN 0 AND 255)),
    BVal INTEGER CHECK (BVal IS NULL OR (typeof(BVal) = 'integer' AND BVal BETWEEN -2147483648 AND 2147483647)),
    Comment TEXT CHECK (Comment IS NULL OR (typeof(Comment) = 'text' AND length(Comment) <= 50))
);
