load(string.dump(function() end))
