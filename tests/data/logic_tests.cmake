# pure logic tests of src/data (no database)
