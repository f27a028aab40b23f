io.open(123, "w") os.remove(123) os.rename(1, 2) os.tmpname() io.tmpfile() io.read()
